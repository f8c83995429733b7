// SPDX-License-Identifier: GPL-3.0-or-later

// Every label of every screen shows its whole text in the font it is drawn in,
// at the program's zoom steps as at 100 %.
#include "application.h"
#include "screens.h"
#include "testing.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QTest>
#include <QTextLayout>
#include <QtMath>

namespace {

const int zoomSteps[] = {100, 125, 150, 175, 200, 250, 300};

// What the label's text needs when the label lays it out: wrapped at word
// boundaries within the label's width. The height is where the ink of the
// last line ends, so a line whose empty descent space runs past the bottom
// edge still fits, while a cut-off letter does not.
QSize textExtent(const QLabel *label)
{
    const QFont font = label->font();
    const QFontMetricsF metrics(font, label);
    const QString text = label->text();
    QTextLayout layout(text, font, label);
    QTextOption option(label->alignment());
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    const qreal width = label->contentsRect().width();
    qreal widest = 0;
    qreal inkBottom = 0;
    qreal y = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, y));
        widest = qMax(widest, line.naturalTextWidth());
        const QString part = text.mid(line.textStart(), line.textLength()).trimmed();
        if (!part.isEmpty()) {
            const QRectF ink = metrics.tightBoundingRect(part);
            inkBottom = qMax(inkBottom, y + line.ascent() + ink.bottom());
        }
        y += line.height();
    }
    layout.endLayout();
    return QSize(qCeil(widest), qCeil(inkBottom));
}

} // namespace

class LabelsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplication(); }

    void everyTextFitsItsLabel_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<int>("percent");
        for (const QString &name : screenNames())
            for (int percent : zoomSteps)
                QTest::addRow("%s %d%%", qPrintable(name), percent) << name << percent;
    }

    void everyTextFitsItsLabel()
    {
        QFETCH(QString, screen);
        QFETCH(int, percent);
        auto registry = makeRegistry();
        zoomTo(*registry, percent);
        registry->show(screen);
        QWidget *shown = registry->screen(screen);
        QVERIFY(shown);

        const QList<QLabel *> labels = shown->findChildren<QLabel *>();
        QStringList overflows;
        for (const QLabel *label : labels) {
            if (label->text().isEmpty())
                continue;
            QVERIFY2(label->wordWrap(), qPrintable(label->objectName()));
            const QRect room = label->contentsRect();
            const QSize used = textExtent(label);
            if (used.width() > room.width() || used.height() > room.height()) {
                overflows << QStringLiteral("%1/%2: \"%3\" needs %4 x %5 px in %6 x %7 (%8 %9 pt)")
                                 .arg(screen, label->objectName(), label->text())
                                 .arg(used.width())
                                 .arg(used.height())
                                 .arg(room.width())
                                 .arg(room.height())
                                 .arg(QFontInfo(label->font()).family())
                                 .arg(label->font().pointSizeF());
            }
        }
        QVERIFY2(overflows.isEmpty(), qPrintable(overflows.join(QLatin1Char('\n'))));
        registry.reset();
        flushUnloaded();
    }

    // What the screens write into their labels later: every verdict, and the
    // widest numbers a task can show.
    void laterTextsFitTheirLabels_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("percent");
        const auto row = [](const char *screen, const char *label, const char *text) {
            for (int percent : zoomSteps)
                QTest::addRow("%s/%s %s %d%%", screen, label, text, percent)
                    << QString::fromLatin1(screen) << QString::fromLatin1(label)
                    << QString::fromUtf8(text) << percent;
        };
        for (const char *screen : {"frmcalcolo", "frmcalcolo99"}) {
            row(screen, "lblmess", "Bravissimo!");
            row(screen, "lblmess", "Sbagliato!");
            row(screen, "lbliniz", "999");
            row(screen, "lblnum", "8");
            row(screen, "lblden", "9");
        }
        row("frmcomplementare", "lblmess", "Sbagliato, riprova!");
        row("frmcomplementare", "lblmess", "Esatto, complimenti!");
        row("frmcomplementare", "lbln", "98");
        row("frmcomplementare", "lbld", "99");
        row("frmsimbolo", "lblmess", "Sbagliato, riprova!");
        row("frmsimbolo", "lblmess", "Bravissimo!");
        row("frmsimbolo", "lbld11", "99");
        row("frmmax", "lblmess", "Esatto, complimenti!");
        row("frmmax", "lblmess", "Hai sbagliato, riprova!");
        row("frmmax", "lbld1", "99");
        row("frmordine", "lblmess", "Esatto, complimenti!");
        row("frmordine", "lblmess", "Sbagliato, riprova!");
        row("frmordine", "lbld1", "99");
        row("frmordine", "lblrd1", "99");
    }

    void laterTextsFitTheirLabels()
    {
        QFETCH(QString, screen);
        QFETCH(QString, label);
        QFETCH(QString, text);
        QFETCH(int, percent);
        auto registry = makeRegistry();
        zoomTo(*registry, percent);
        registry->show(screen);
        auto *target = control<QLabel>(registry->screen(screen), qPrintable(label));
        QVERIFY(target);
        target->setText(text);
        const QSize used = textExtent(target);
        const QSize room = target->contentsRect().size();
        QVERIFY2(used.width() <= room.width() && used.height() <= room.height(),
                 qPrintable(QStringLiteral("needs %1 x %2 px in %3 x %4")
                                .arg(used.width())
                                .arg(used.height())
                                .arg(room.width())
                                .arg(room.height())));
        registry.reset();
        flushUnloaded();
    }
};

QTEST_MAIN(LabelsTest)
#include "tst_labels.moc"
