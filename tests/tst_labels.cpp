// Every label of every screen shows its whole text in the font it is drawn in.
#include "application.h"
#include "testing.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QTest>
#include <QTextLayout>
#include <QtMath>

namespace {

const char *const screens[] = {"frminizio",
                               "frmscelta",
                               "frmscelta2",
                               "frmcalcolo99",
                               "frmcalcolo",
                               "frmcomplementare",
                               "frmsimbolo",
                               "frmmax",
                               "frmordine",
                               "frmregolecalcola",
                               "frmregolecomplementare",
                               "frmregoleconfronto"};

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
        for (const char *name : screens)
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void everyTextFitsItsLabel()
    {
        QFETCH(QString, screen);
        auto registry = makeRegistry();
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
};

QTEST_MAIN(LabelsTest)
#include "tst_labels.moc"
