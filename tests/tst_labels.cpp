// Every label of every screen shows its whole text in the font it is drawn in.
#include "application.h"
#include "testing.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QTest>

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

// The space the label's text takes when the label lays it out: wrapped at
// word boundaries within the label's width. A word wider than the label
// makes the result wider than the label.
QRect textExtent(const QLabel *label)
{
    const QFontMetrics metrics(label->font(), label);
    const QRect room = label->contentsRect();
    return metrics.boundingRect(room, Qt::TextWordWrap | label->alignment(), label->text());
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
            const QRect used = textExtent(label);
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
