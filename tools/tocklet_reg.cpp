// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
// tocklet-reg: looks at and changes tocklet's registry file from the command line.

#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

#include "settings/ReleaseInfo.h"
#include "store/ConfigDir.h"
#include "store/HiveRegistry.h"
#include "tools/RegTaskCommand.h"
#include "tools/RegTasksCommand.h"
#include "tools/RegToolCommands.h"
#include "tools/TerminalPassword.h"

namespace {

constexpr const char* kUsage =
    "Usage: tocklet-reg COMMAND [ARGUMENTS]\n"
    "\n"
    "Looks at and changes tocklet's registry, the file registry.reg in\n"
    "$XDG_CONFIG_HOME/tocklet (~/.config/tocklet when XDG_CONFIG_HOME is unset).\n"
    "\n"
    "Commands:\n"
    "  import FILE       apply a .reg file (- for standard input) in one write: REGEDIT4 in\n"
    "                    code page 936, or \"Windows Registry Editor Version 5.00\" as regedit\n"
    "                    writes it (UTF-16LE with a byte-order mark) or in UTF-8; keys it names\n"
    "                    are created; a bad file, or a text with a character code page 936\n"
    "                    cannot hold, is refused with its line number and nothing is written\n"
    "  export [--version5] FILE\n"
    "                    write the whole registry as a REGEDIT4 file (- for standard output);\n"
    "                    importing it into an empty registry gives back every byte;\n"
    "                    --version5 writes a version 5 file (UTF-16LE) for regedit on Windows\n"
    "  query KEY [NAME]  one line per value of KEY (HKEY_LOCAL_MACHINE\\... or HKLM\\...),\n"
    "                    or of the value NAME (@ for the default value): name, type (REG_SZ,\n"
    "                    REG_EXPAND_SZ, REG_MULTI_SZ, REG_DWORD, REG_QWORD, REG_BINARY, ...),\n"
    "                    byte count, bytes in hex, and the data as text: a string up to its\n"
    "                    first zero byte, the strings of a REG_MULTI_SZ joined by \\0, a number\n"
    "                    as 0x0000001e (30); tab-separated\n"
    "  tasks             the task list as tocklet loads it (raw fields, tab-separated)\n"
    "  task list         every task: number, kind, schedule, time, text or program\n"
    "  task add (--daily | --date MM-DD | --weekday N) --at HH:MM\n"
    "           (--message TEXT | --program PATH)\n"
    "                    add a task as the add-task dialog does (N: 1 Monday to 7 Sunday;\n"
    "                    TEXT at most 66 bytes of code page 936; PATH an existing file;\n"
    "                    at most 20 tasks); a running tocklet picks it up\n"
    "  task delete N     delete task N as the delete dialog does: the last task takes its\n"
    "                    number; with password protection on, asks for the password on the\n"
    "                    terminal\n"
    "  --help            this text\n"
    "  --version         the version and the licence\n"
    "\n"
    "Texts are stored in code page 936 and shown in UTF-8. Exit status 0 on success, 1 when\n"
    "the command failed, 2 when it was called wrongly; task add and task delete also exit\n"
    "with 3 when the task rules refuse (nothing is written) and task delete with 4 when\n"
    "protection is on and the password was not given.\n";

[[nodiscard]] int Misuse(const std::string& why) {
    std::cerr << "tocklet-reg: " << why << "\n" << kUsage;
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) return Misuse("no command given");
    const std::string& command = args[0];
    if (command == "--help" || command == "-h" || command == "help") {
        std::cout << kUsage;
        return 0;
    }
    if (command == "--version") {
        std::cout << tocklet::VersionText("tocklet-reg");
        return 0;
    }
    auto version = tocklet::RegFileVersion::Regedit4;
    if (command == "export") {
        auto option = std::find(args.begin() + 1, args.end(), "--version5");
        if (option != args.end()) {
            version = tocklet::RegFileVersion::Version5;
            args.erase(option);
        }
    }
    std::size_t operands = args.size() - 1;
    if (command == "import" || command == "export") {
        if (operands != 1) return Misuse(command + " takes one FILE");
    } else if (command == "query") {
        if (operands != 1 && operands != 2) return Misuse("query takes KEY and an optional NAME");
    } else if (command == "tasks") {
        if (operands != 0) return Misuse("tasks takes no arguments");
    } else if (command == "task") {
        // task checks its own arguments and says how it was called wrongly.
    } else {
        return Misuse("unknown command \"" + command + "\"");
    }

    tocklet::HiveRegistry reg(tocklet::HiveFilePath());
    if (auto problem = reg.Problem()) {
        std::cerr << "tocklet-reg: " << *problem << "\n";
        return 1;
    }
    int status = 1;
    if (command == "import") {
        status = tocklet::RunImportCommand(reg, args[1], std::cout, std::cerr);
    } else if (command == "export") {
        status = tocklet::RunExportCommand(reg, args[1], version, std::cout, std::cerr);
    } else if (command == "query") {
        status = tocklet::RunQueryCommand(reg, args[1], operands == 2 ? &args[2] : nullptr,
                                          std::cout, std::cerr);
    } else if (command == "tasks") {
        status = tocklet::RunTasksCommand(reg, std::cout, std::cerr);
    } else {
        tocklet::TerminalPassword password;
        status = tocklet::RunTaskCommand(reg, {args.begin() + 1, args.end()}, password, std::cout,
                                         std::cerr);
        if (status == tocklet::kTaskMisuse) std::cerr << kUsage;
    }
    std::cout.flush();
    if (!std::cout && status == 0) {
        std::cerr << "tocklet-reg: cannot write to standard output\n";
        return 1;
    }
    return status;
}
