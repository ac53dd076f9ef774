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
    DataFiles.cpp
    DesktopExec.cpp
    XdgDefaultApps.cpp
)
find_package(Threads REQUIRED)
target_link_libraries(tocklet_services PUBLIC tocklet_platform Threads::Threads
    PRIVATE PkgConfig::CANBERRA)
set_source_files_properties(SoundLookup.cpp PROPERTIES
    COMPILE_DEFINITIONS "TOCKLET_DATA_DIR=\"${TOCKLET_DATA_DIR}\"")

# Their Qt backends.
tocklet_library(tocklet_services_qt
    QtTimers.cpp
    QtShellOpen.cpp
)
target_link_libraries(tocklet_services_qt PUBLIC tocklet_services Qt6::Core Qt6::Gui)
