# The services the running program needs: clock, timers, sound, program start, restart,
# autostart and opening addresses with the desktop.
tocklet_library(tocklet_services
    Clock.cpp
    TimerSchedule.cpp
    Spawn.cpp
    ProgramLauncher.cpp
    SelfLauncher.cpp
    SoundLookup.cpp
    CanberraSound.cpp
    Autostart.cpp
    DataDirs.cpp
    FirstRunHive.cpp
)
find_package(Threads REQUIRED)
target_link_libraries(tocklet_services PUBLIC tocklet_platform Threads::Threads
    PRIVATE PkgConfig::CANBERRA)
# The data folder as configured, and as found from the executable's folder once installed.
set_source_files_properties(DataDirs.cpp PROPERTIES COMPILE_DEFINITIONS
    "TOCKLET_CONFIGURED_DATA_DIR=\"${TOCKLET_FULL_DATADIR}\";TOCKLET_DATA_DIR_FROM_BIN=\"${TOCKLET_DATADIR_FROM_BINDIR}\"")

# Their Qt backends.
tocklet_library(tocklet_services_qt
    QtTimers.cpp
    QtShellOpen.cpp
)
target_link_libraries(tocklet_services_qt PUBLIC tocklet_services Qt6::Core Qt6::Gui)
