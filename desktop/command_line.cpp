// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line.hpp"

#include "link_text.hpp"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <array>
#include <cstdio>
#include <string_view>

namespace zelmora::qt {

namespace {

constexpr int exitUsage = 2;

const char* const description = "Algebra tiles for the classroom, in Arabic.\n"
                                "\n"
                                "Starts on the main menu, which opens the teacher's guide and four boards:\n"
                                "the area model of multiplication, the signed area model, addition and\n"
                                "subtraction with zero pairs, and the equation balance.";

const char* const licence = "Copyright (C) The Zelmora developers.\n"
                            "License GPLv3+: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n"
                            "This is free software: you are free to change and redistribute it.\n"
                            "There is NO WARRANTY, to the extent permitted by law.\n";

// The toolkit's own options that say where the windows go. The toolkit takes them off the command
// line once it starts; everything else it would accept (a window title, a style, a reversed layout)
// would change the program and is refused like any unknown option.
struct ToolkitOption {
    const char* name;
    const char* valueName;
};
constexpr std::array toolkitOptions {
    ToolkitOption { "platform", "name" },
    ToolkitOption { "platformpluginpath", "path" },
    ToolkitOption { "platformtheme", "name" },
    ToolkitOption { "plugin", "name" },
    ToolkitOption { "display", "name" },
};

void print(std::FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

int refuse(const QString& why)
{
    print(stderr, QStringLiteral("zelmora: %1\nTry 'zelmora --help' for more information.\n").arg(why));
    return exitUsage;
}

} // namespace

CommandLine readCommandLine(int argc, char** argv)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QString::fromLatin1(description));
    const QCommandLineOption help({ "h", "help" }, "Show this help and exit.");
    const QCommandLineOption version({ "v", "version" }, "Show the version and exit.");
    parser.addOption(help);
    parser.addOption(version);
    parser.addPositionalArgument(
        "file", "A saved board (.zelmora), or a shared link, to open on the board it belongs to.", "[FILE]");
    for (const auto& option : toolkitOptions) {
        QCommandLineOption accepted(option.name, QString(), option.valueName);
        accepted.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(accepted);
    }

    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (!parser.parse(arguments))
        return { refuse(parser.errorText()), {}, {} };
    if (parser.isSet(help)) {
        // The help text names the program as it was called, which it reads from a core application.
        QCoreApplication textOnly(argc, argv);
        print(stdout, parser.helpText());
        return { 0, {}, {} };
    }
    if (parser.isSet(version)) {
        print(stdout,
            QStringLiteral("zelmora %1\n%2").arg(QStringLiteral(ZELMORA_VERSION), QString::fromLatin1(licence)));
        return { 0, {}, {} };
    }
    QStringList const files = parser.positionalArguments();
    if (files.size() > 1)
        return { refuse(QStringLiteral("one saved board at a time, not %1").arg(files.size())), {}, {} };
    if (files.isEmpty())
        return {};
    std::string const argument = files.constFirst().toStdString();
    if (isLinkText(argument))
        return { std::nullopt, std::nullopt, argument };
    return { std::nullopt, std::filesystem::path(argument), std::nullopt };
}

} // namespace zelmora::qt
