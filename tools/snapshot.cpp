// SPDX-License-Identifier: GPL-3.0-or-later

// Renders each of the twelve screens and the teacher's window, as it looks right after loading, to
// OUTDIR/<screen>.png, at the program's zoom PERCENT (100 unless given). Run
// it with QT_QPA_PLATFORM=offscreen; set QT_SCALE_FACTOR=2 for the high-DPI
// look, --pad to show the typing exercises' number pad, --lim for the
// menu's names of its pictures, --aiuto N to press Conferma N times with
// nothing answered, which brings the help, --settings to read the
// teacher's settings files as the program does, and render the topics'
// screens too (a file that switches them on shows the menu's «Altre
// quotelle» and lists them on their choice screen); --muta turns on a voice
// whose speech service fails, for the notice that says so; --tavola shows
// the times table where a screen has one (F2). With
// --screenshots it renders the screens the AppStream metadata shows, under
// the names it lists them by:
//   QT_QPA_PLATFORM=offscreen build/tools/snapshot --screenshots packaging/screenshots
// With --aiuti it renders the help of every exercise, both levels, at the
// smallest and the largest denominators, to OUTDIR/aiuto-2.png and
// OUTDIR/aiuto-99.png.
#include "application.h"
#include "font.h"
#include "help.h"
#include "helppanel.h"
#include "numberpad.h"
#include "random.h"
#include "registry.h"
#include "screen.h"
#include "screens.h"
#include "settingsfile.h"
#include "topics.h"
#include "voice.h"
#include "zoom.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

#include <cstdio>
#include <memory>
#include <utility>
#include <vector>

namespace {

// The metadata's screenshots, as packaging/screenshots/ holds them.
const std::pair<const char *, const char *> screenshots[] = {
    {"frmcalcolo", "fraction-of-a-number"},
    {"frmordine", "ordering"},
    {"frmregolecalcola", "rules-fraction-of-a-number"},
    {"frmregoleconfronto", "rules-comparing"},
    {"frminizio", "menu"},
};

// The helps at denominator d: a row of four panels each for the fraction of
// a number and the complement, two pairs to compare, the largest and the
// order, each at its two levels.
QImage helpSheet(int d)
{
    const int next = d == 2 ? 3 : d - 1;
    const int most = std::max(1, d - 1);
    const auto sharing = [d](int count, int tipo) {
        const int term = tipo == 1 ? 1 : std::max(d, count + 1);
        SharedTermTask task {tipo, term, {}};
        for (int k = 0; k < count; ++k)
            task.varying.push_back(tipo == 1 ? (d >= 10 ? d - k : d + k) : term - 1 - k);
        return task;
    };
    const auto pair = [](const Fraction &a, const Fraction &b) {
        SymbolTask task;
        task.fill({a, b});
        return task;
    };
    std::vector<Help> helps;
    for (int level : {1, 2})
        helps.push_back(help(FractionOfTask {most, d, 9}, Step::Multiplication, level));
    for (int level : {1, 2})
        helps.push_back(help(ComplementTask {most, d}, Step::Numerator, level));
    for (const SymbolTask &task : {pair({1, d}, {1, next}), pair({1, d}, {most, d})}) {
        for (int level : {1, 2})
            helps.push_back(help(task, Judgement {}, level));
    }
    for (int level : {1, 2})
        helps.push_back(help(LargestTask {sharing(4, 1)}, level));
    for (int level : {1, 2})
        helps.push_back(help(OrderTask {sharing(5, 2), Direction::Ascending}, level));
    const QSize size(268, 280);
    QImage sheet(4 * size.width(), 3 * size.height(), QImage::Format_RGB32);
    sheet.fill(Qt::lightGray);
    QPainter painter(&sheet);
    for (std::size_t k = 0; k < helps.size(); ++k) {
        HelpPanel panel(nullptr);
        panel.setFont(Font::comic(13.5).boldFace().toQFont());
        panel.resize(size - QSize(4, 4));
        panel.setHelp(helps[k]);
        painter.drawPixmap(int(k % 4) * size.width() + 2, int(k / 4) * size.height() + 2,
                           panel.grab());
    }
    return sheet;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    prepareApplication();
    QStringList arguments = QCoreApplication::arguments();
    const bool pad = arguments.removeAll(QStringLiteral("--pad")) > 0;
    const bool whiteboard = arguments.removeAll(QStringLiteral("--lim")) > 0;
    const bool mute = arguments.removeAll(QStringLiteral("--muta")) > 0;
    const bool timesTable = arguments.removeAll(QStringLiteral("--tavola")) > 0;
    int wrong = 0;
    if (const qsizetype at = arguments.indexOf(QStringLiteral("--aiuto"));
        at > 0 && at + 1 < arguments.size()) {
        wrong = arguments.at(at + 1).toInt();
        arguments.remove(at, 2);
    }
    const bool settings = arguments.removeAll(QStringLiteral("--settings")) > 0;
    if (arguments.size() == 3 && arguments.at(1) == QLatin1String("--aiuti")) {
        const QDir out(arguments.at(2));
        for (int d : {2, 99}) {
            const QString file = out.filePath(QStringLiteral("aiuto-%1.png").arg(d));
            if (!out.mkpath(QStringLiteral(".")) || !helpSheet(d).save(file))
                return 1;
            std::printf("%s\n", qPrintable(file));
        }
        return 0;
    }
    const bool forMetadata =
        arguments.size() == 3 && arguments.at(1) == QLatin1String("--screenshots");
    const int percent = arguments.size() == 3 && !forMetadata ? arguments.at(2).toInt() : 100;
    if (arguments.size() < 2 || arguments.size() > 3 || percent < 100) {
        std::fprintf(stderr,
                     "usage: snapshot OUTDIR [PERCENT] [--pad] [--lim] [--muta] [--tavola]\n"
                     "                [--aiuto N] [--settings]\n"
                     "       snapshot --screenshots OUTDIR\n"
                     "       snapshot --aiuti OUTDIR\n");
        return 2;
    }
    const QDir out(forMetadata ? arguments.at(2) : arguments.at(1));
    if (!out.mkpath(QStringLiteral(".")))
        return 1;

    // Each screen to render, and the file it goes to.
    std::vector<std::pair<QString, QString>> files;
    if (forMetadata) {
        for (const auto &[screen, file] : screenshots)
            files.emplace_back(QLatin1String(screen), QLatin1String(file));
    } else {
        QStringList names = screenNames() + QStringList {teacherScreen()};
        if (settings) {
            names << topicsChoice() << topicScreenNames();
            if (!topicsRules().isEmpty())
                names << topicsRules();
        }
        for (const QString &name : names)
            files.emplace_back(name, name);
    }
    int failures = 0;
    for (const auto &[name, fileName] : files) {
        Registry registry;
        addScreens(registry);
        // The same tasks on every run, so that two builds' snapshots compare
        // pixel for pixel.
        registry.setRandom(std::make_unique<Random>(20261209));
        // With no window open yet every step is taken, however small the display.
        registry.zoom().upTo(percent);
        registry.pad().setShown(pad);
        registry.setWhiteboard(whiteboard);
        if (settings)
            registry.settingsFile().load();
        registry.setTimesTableAllowed(timesTable);
        if (mute) {
            registry.voice().setSpeakerFactory([](const std::function<void()> &failed) {
                // A speaker that says nothing, having told that it cannot.
                struct Silent : Speaker
                {
                    void say(const QString &) override { }
                    void stop() override { }
                };
                failed();
                return std::make_unique<Silent>();
            });
            registry.voice().setOn(true);
        }
        registry.show(name);
        Screen *screen = registry.screen(name);
        if (auto *conferma = screen
                ? screen->findChild<QPushButton *>(QStringLiteral("cmdconferma"))
                : nullptr) {
            for (int k = 0; k < wrong; ++k)
                conferma->click();
        }
        if (timesTable && screen) {
            QKeyEvent f2(QEvent::KeyPress, Qt::Key_F2, Qt::NoModifier);
            QCoreApplication::sendEvent(screen, &f2);
        }
        QCoreApplication::processEvents();
        const QString file = out.filePath(fileName + QStringLiteral(".png"));
        if (!screen || !screen->grab().save(file)) {
            std::fprintf(stderr, "could not render %s\n", qPrintable(name));
            ++failures;
            continue;
        }
        std::printf("%s\n", qPrintable(file));
    }
    return failures == 0 ? 0 : 1;
}
