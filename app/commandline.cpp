// SPDX-License-Identifier: GPL-3.0-or-later

#include "commandline.h"

#include "settingsfile.h"
#include "version.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

#include <algorithm>
#include <cstdio>

namespace {

// Every option the program takes, one a line; the help lists them in this order.
QList<QCommandLineOption> programOptions()
{
    return {
        {{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("mostra questo aiuto")},
        {{QStringLiteral("v"), QStringLiteral("version")},
         QStringLiteral("mostra la versione del programma")},
        {QStringLiteral("voce"), QStringLiteral("legge ad alta voce esercizi, esiti e regole")},
        {QStringLiteral("lim"),
         QStringLiteral("per la LIM: tutto grande quanto lo schermo, con il tastierino")},
        {QStringLiteral("impostazioni"),
         QStringLiteral("apre le impostazioni per l’insegnante invece del menu")},
        {QStringLiteral("tavola"),
         QStringLiteral("la tavola pitagorica negli esercizi di calcolo, con F2")},
        {QStringLiteral("controlla"),
         QStringLiteral("controlla i file delle impostazioni e dice che cosa vale")},
    };
}

QString dashed(const QString &name)
{
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

// The help in Italian: QCommandLineParser's own is in English, and its
// translation would have to be read from a file.
QString helpText(const QList<QCommandLineOption> &options)
{
    QStringList columns;
    for (const QCommandLineOption &option : options) {
        QStringList names = option.names();
        std::transform(names.begin(), names.end(), names.begin(), dashed);
        const QString value = option.valueName();
        columns << names.join(QStringLiteral(", "))
                + (value.isEmpty() ? QString() : QStringLiteral(" <%1>").arg(value));
    }
    const qsizetype width =
        std::max_element(columns.begin(), columns.end(), [](const auto &a, const auto &b) {
            return a.size() < b.size();
        })->size();
    QString text = QStringLiteral("Uso: quotelle [opzioni]\n"
                                  "\n"
                                  "Le quotelle: esercizi sulle frazioni per la scuola primaria.\n"
                                  "Senza opzioni si apre il menu principale.\n"
                                  "\n"
                                  "Opzioni:\n");
    for (qsizetype i = 0; i < options.size(); ++i)
        text += QStringLiteral("  %1  %2\n")
                    .arg(columns.at(i).leftJustified(width), options.at(i).description());
    return text + QStringLiteral("\nIl manuale: man quotelle");
}

CommandLine refusal(const QString &what)
{
    return {CommandLine::Action::Refuse,
            QStringLiteral("quotelle: %1\nPer l’elenco delle opzioni: quotelle --help").arg(what),
            {}};
}

} // namespace

int CommandLine::reply() const
{
    if (action == Action::CheckSettings)
        return checkSettingsFiles();
    std::fputs(qPrintable(message + QLatin1Char('\n')), action == Action::Refuse ? stderr : stdout);
    return action == Action::Refuse ? 2 : 0;
}

CommandLine parseCommandLine(const QStringList &arguments)
{
    const QList<QCommandLineOption> options = programOptions();
    QCommandLineParser parser;
    // As Qt's own options: -version is --version.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions(options);
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        return refusal(
            unknown.isEmpty()
                ? parser.errorText()
                : QStringLiteral("opzione sconosciuta «%1»").arg(dashed(unknown.first())));
    }
    if (!parser.positionalArguments().isEmpty())
        return refusal(
            QStringLiteral("argomento inatteso «%1»").arg(parser.positionalArguments().first()));

    CommandLine line;
    for (const QCommandLineOption &option : options) {
        if (parser.isSet(option))
            line.given << option.names().constLast();
    }
    if (line.isSet(QStringLiteral("help")))
        return {CommandLine::Action::ShowHelp, helpText(options), line.given};
    if (line.isSet(QStringLiteral("version")))
        return {CommandLine::Action::ShowVersion,
                QStringLiteral("Le quotelle %1").arg(QLatin1String(quotelleVersion)), line.given};
    if (line.isSet(QStringLiteral("controlla")))
        return {CommandLine::Action::CheckSettings, {}, line.given};
    return line;
}

QByteArray platformFor(const QStringList &arguments, const QProcessEnvironment &environment)
{
    const auto has = [&environment](const char *name) {
        return !environment.value(QLatin1String(name)).isEmpty();
    };
    // Qt reads -platform and --platform alike.
    const bool platformAsked = has("QT_QPA_PLATFORM")
        || arguments.contains(QStringLiteral("-platform"))
        || arguments.contains(QStringLiteral("--platform"));
    const bool wayland = has("WAYLAND_DISPLAY")
        || environment.value(QStringLiteral("XDG_SESSION_TYPE")) == QStringLiteral("wayland");
    // Without an X display there is no XWayland to run through.
    if (platformAsked || !wayland || !has("DISPLAY"))
        return {};
    return QByteArrayLiteral("xcb");
}

std::optional<int> prepareStart(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLine early = parseCommandLine(arguments);
    // A refusal waits for QApplication only when Qt may take the option,
    // so that a mistyped one is answered even where no display is at hand.
    const auto forQt = [](const QString &argument) {
        static const QStringList qtOptions {
            QStringLiteral("platform"),      QStringLiteral("platformpluginpath"),
            QStringLiteral("platformtheme"), QStringLiteral("plugin"),
            QStringLiteral("qmljsdebugger"), QStringLiteral("qwindowgeometry"),
            QStringLiteral("qwindowicon"),   QStringLiteral("qwindowtitle"),
            QStringLiteral("reverse"),       QStringLiteral("session"),
            QStringLiteral("display"),       QStringLiteral("geometry"),
            QStringLiteral("name"),          QStringLiteral("title"),
            QStringLiteral("visual"),        QStringLiteral("style"),
            QStringLiteral("stylesheet"),    QStringLiteral("widgetcount")};
        QString name = argument;
        while (name.startsWith(QLatin1Char('-')))
            name.remove(0, 1);
        return qtOptions.contains(name.section(QLatin1Char('='), 0, 0));
    };
    if (early.action == CommandLine::Action::ShowHelp
        || early.action == CommandLine::Action::ShowVersion
        || early.action == CommandLine::Action::CheckSettings
        || (early.action == CommandLine::Action::Refuse
            && std::none_of(arguments.begin() + 1, arguments.end(), forQt)))
        return early.reply();
    const QByteArray platform = platformFor(arguments, QProcessEnvironment::systemEnvironment());
    if (!platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", platform);
    return std::nullopt;
}
