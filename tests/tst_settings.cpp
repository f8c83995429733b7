// SPDX-License-Identifier: GPL-3.0-or-later

// The settings: the lab's under the user's under the command line, each bad
// line told and passed over, the window saving only into the user's file.
#include "frmcomplementare.h"
#include "frmimpostazioni.h"
#include "frmordine.h"
#include "numberpad.h"
#include "settingsfile.h"
#include "testing.h"

#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class SettingsTest : public ExerciseTest
{
    Q_OBJECT

    QTemporaryDir m_dir;

    // Writes a settings file into a folder of the scratch directory.
    QString write(const QString &folder, const QByteArray &text)
    {
        const QString path = m_dir.filePath(folder + QStringLiteral("/quotelle/quotelle.conf"));
        QFile file(path);
        if (!QDir().mkpath(QFileInfo(path).path()) || !file.open(QIODevice::WriteOnly)
            || file.write(text) != text.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    // Opens the teacher's window from the menu, the program started with --voce if asked.
    frmimpostazioni *openWindow(bool voiceOption = false)
    {
        freshScript();
        registry->settingsFile().load();
        if (voiceOption)
            registry->settingsFile().setOption(QStringLiteral("aiuti/voce"), QStringLiteral("si"));
        registry->start();
        QWidget *menu = registry->screen(QStringLiteral("frminizio"));
        if (!QTest::qWaitForWindowActive(menu))
            qFatal("the menu is not active");
        QTest::keyClick(menu, Qt::Key_I, Qt::ControlModifier | Qt::AltModifier);
        return loadedAs<frmimpostazioni>(*registry, teacherScreen());
    }

    // Opens the teacher's window, chooses these values and saves them.
    frmimpostazioni *saveChoosing(const QStringList &options)
    {
        frmimpostazioni *window = openWindow();
        for (const QString &name : options)
            QTest::mouseClick(control<QRadioButton>(window, qPrintable(name)), Qt::LeftButton, {},
                              QPoint(4, 4));
        QTest::mouseClick(window->cmdsalva, Qt::LeftButton);
        return window;
    }

private slots:
    void init()
    {
        const QByteArray root = m_dir.path().toUtf8();
        qputenv("XDG_CONFIG_HOME", root + "/home");
        qputenv("XDG_CONFIG_DIRS", root + "/lab1:" + root + "/lab2");
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.path());
    }

    // Key by key: the first lab folder over the second, the user over the
    // lab, the command line over both.
    void userOverLabOverDefaultsAndTheOptionOverAll()
    {
        write(QStringLiteral("lab2"), "[esercizi]\nordine=crescente\ndenominatore_massimo=20\n");
        write(QStringLiteral("lab1"), "[esercizi]\nordine = decrescente\n[aiuti]\nvoce = si\n");
        write(QStringLiteral("home"), "[esercizi]\ndenominatore_massimo = 50\n");
        SettingsFile file;
        file.load();
        file.setOption(QStringLiteral("aiuti/voce"), QStringLiteral("si"));
        const Settings &s = file.settings();
        QCOMPARE(s.maxDenominator(), 50);
        QCOMPARE(file.source(QStringLiteral("esercizi/denominatore_massimo")), SettingSource::User);
        QCOMPARE(s.fixedOrder(), std::optional(Direction::Descending));
        QCOMPARE(file.source(QStringLiteral("esercizi/ordine")), SettingSource::Lab);
        QVERIFY(s.voice());
        QCOMPARE(file.source(QStringLiteral("aiuti/voce")), SettingSource::Option);
        QCOMPARE(file.source(QStringLiteral("aiuti/lim")), SettingSource::Default);
        QVERIFY(!s.whiteboard() && s.help() && s.readBack() && s.pace() == Pace::Normal);
    }

    // The example installed with the package names every key at its default.
    void theExampleHoldsEveryKeyAtItsDefault()
    {
        const SettingsRead example = readSettingsFile(QStringLiteral(EXAMPLE_SETTINGS));
        QCOMPARE(example.problems, QStringList());
        QCOMPARE(example.values.size(), settingKeys().size());
        for (const SettingKey &key : settingKeys())
            QCOMPARE(example.values.at(key.key), key.fallback);
    }

    // Each fault is one line naming the file, and the line passes over it:
    // the key keeps its default and the rest of the file still applies.
    void badFilesGiveTheDefaultAndOneLine_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("told");
        QTest::newRow("bad value") << QByteArray("[esercizi]\ndenominatore_massimo = 5\n")
                                   << "[esercizi] denominatore_massimo = «5»: ci vuole un numero";
        QTest::newRow("unknown key") << QByteArray("[aiuti]\ncolore = blu\n")
                                     << "[aiuti] colore = «blu»: il programma non ha";
        QTest::newRow("not INI") << QByteArray("; commento\nvoce sì\n[aiuti]\n")
                                 << "riga 2: «voce sì» non è chiave = valore";
        QTest::newRow("damaged") << QByteArray("\x01rotto\0\n", 8) << "riga 1: «\uFFFDrotto\uFFFD»";
        QTest::newRow("wrong capitals")
            << QByteArray("[Esercizi]\nordine = crescente\n")
            << "[Esercizi] ordine = «crescente»: si scrive [esercizi] ordine, in minuscolo";
        QTest::newRow("unreadable")
            << QByteArray() << "il file non si può leggere (è una cartella, non un file)";
    }
    void badFilesGiveTheDefaultAndOneLine()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, told);
        // A folder where the file should be cannot be read as one.
        const QString path = text.isEmpty()
            ? m_dir.path()
            : write(QStringLiteral("home"), text + "[aiuti]\nlim = si\n");
        const SettingsRead read = readSettingsFile(path);
        QCOMPARE(read.problems.size(), 1);
        QVERIFY2(read.problems[0].startsWith(QStringLiteral("quotelle: ") + path)
                     && read.problems[0].contains(told) && !read.problems[0].contains('\n')
                     && !read.problems[0].contains(QChar(0)),
                 qPrintable(read.problems[0]));
        Settings settings;
        for (const auto &[key, value] : read.values)
            settings.set(key, value);
        QCOMPARE(settings.maxDenominator(), 99);
        QCOMPARE(settings.whiteboard(), !text.isEmpty());
    }

    // Opened by Ctrl+Alt+I and saved, the choices are in the user's file, the lab's stays as it
    // was, and the next exercise draws with them at once.
    void theWindowSavesIntoTheUsersFileOnly()
    {
        const QByteArray lab = "[aiuti]\nrileggi_numeri = no\n";
        const QString labPath = write(QStringLiteral("lab1"), lab);
        saveChoosing({QStringLiteral("optdenominatore_massimo_10"),
                      QStringLiteral("optordine_decrescente"), QStringLiteral("opttastierino_si")});
        const SettingsRead user = readSettingsFile(registry->settingsFile().userPath());
        QCOMPARE(
            user.values,
            (std::map<QString, QString> {{QStringLiteral("esercizi/denominatore_massimo"), "10"},
                                         {QStringLiteral("esercizi/ordine"), "decrescente"},
                                         {QStringLiteral("aiuti/tastierino"), "si"}}));
        QFile labFile(labPath);
        QVERIFY(labFile.open(QIODevice::ReadOnly));
        QCOMPARE(labFile.readAll(), lab);
        QVERIFY(registry->pad().isShown());

        // 3/7 drawn up to 10; up to 99 the same values would give 30/70.
        scripted().then(3, 10).then(7, 10);
        auto *complement = show<frmcomplementare>(QStringLiteral("frmcomplementare"));
        QCOMPARE(complement->lbln->text() + '/' + complement->lbld->text(), QStringLiteral("3/7"));
        auto *order = show<frmordine>(QStringLiteral("frmordine"));
        QVERIFY(order->optdecre->isChecked() && !order->optcre->isEnabled());
        QCOMPARE(order->task().direction, Direction::Descending);
    }

    // A home that cannot be written: the window says so in words that fit
    // at every zoom, nothing is left half-written and what was in force stays.
    void aReadOnlyHomeKeepsWhatWasInForce()
    {
        write(QStringLiteral("lab1"), "[aiuti]\ncolore = blu\n");
        write(QStringLiteral("blocked"), "");
        qputenv("XDG_CONFIG_HOME",
                m_dir.filePath(QStringLiteral("blocked/quotelle/quotelle.conf/x")).toUtf8());
        frmimpostazioni *window = saveChoosing({QStringLiteral("optdenominatore_massimo_10")});
        QCOMPARE(window->lblmess->text(),
                 "Non salvate su questo computer (nel percorso c’è un file al posto di una "
                 "cartella): restano quelle di prima.");
        QVERIFY(window->cmdrighe->isVisible());
        for (const int percent : {100, 125, 150, 175, 200, 250, 300}) {
            window->setZoom(percent / 100.0);
            QVERIFY2(window->lblmess->heightForWidth(window->lblmess->width())
                             <= window->lblmess->height()
                         && window->cmdrighe->sizeHint().width() <= window->cmdrighe->width(),
                     qPrintable(QString::number(percent)));
        }
        QCOMPARE(registry->settings().maxDenominator(), 99);
        QVERIFY(control<QRadioButton>(window, "optdenominatore_massimo_99")->isChecked());
        QCOMPARE(QDir(m_dir.filePath(QStringLiteral("blocked/quotelle"))).entryList(QDir::Files),
                 QStringList {QStringLiteral("quotelle.conf")});
    }

    // By the keys alone, each row is entered on the choice in force.
    void tabLandsOnTheChoiceInForce()
    {
        frmimpostazioni *window = openWindow();
        QTRY_COMPARE(window->focusWidget()->objectName(), "optdenominatore_massimo_99");
        QTest::keyClick(window->focusWidget(), Qt::Key_Tab);
        QTest::keyClick(window->focusWidget(), Qt::Key_Tab);
        QTest::keyClick(window->focusWidget(), Qt::Key_Tab);
        QTRY_COMPARE(window->focusWidget()->objectName(), "optvoce_no");
        QCOMPARE(window->focusWidget()->accessibleDescription(), "in uso: no (predefinito)");
    }

    // Fine (Esc) or the close box with a choice not saved asks first; an
    // option of this start (--voce) is never written unless its row changed.
    void choicesNotSavedAreAskedFor_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closeBox");
        QTest::addColumn<int>("written");
        QTest::addColumn<bool>("stays");
        QTest::newRow("Salva") << int(QMessageBox::Save) << false << 1 << false;
        QTest::newRow("Non salvare") << int(QMessageBox::Discard) << true << 0 << false;
        QTest::newRow("Annulla") << int(QMessageBox::Cancel) << true << 0 << true;
    }
    void choicesNotSavedAreAskedFor()
    {
        QFETCH(int, answer);
        QFETCH(bool, closeBox);
        frmimpostazioni *window = openWindow(true);
        QTest::mouseClick(control<QRadioButton>(window, "optdenominatore_massimo_10"),
                          Qt::LeftButton, {}, QPoint(4, 4));
        QString asked;
        QTimer::singleShot(0, [&asked, answer] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                asked = box->text();
                box->button(QMessageBox::StandardButton(answer))->click();
            }
        });
        if (closeBox)
            window->close();
        else
            QTest::keyClick(window, Qt::Key_Escape);
        QCOMPARE(asked, QStringLiteral("Salvo le modifiche?"));
        QTEST(registry->screen(teacherScreen()) != nullptr, "stays");
        // Only the row changed: voce = si would make two.
        QTEST(int(readSettingsFile(registry->settingsFile().userPath()).values.size()), "written");
    }

    // A locked lab's file is all that counts: the user's file is passed
    // over, and the window only shows, saying why.
    void aLockedLabDecides()
    {
        write(QStringLiteral("lab1"),
              "[laboratorio]\nblocca = si\n[esercizi]\nordine = crescente\n");
        write(QStringLiteral("home"),
              "[esercizi]\nordine = decrescente\ndenominatore_massimo = 20\n[laboratorio]\n"
              "blocca = no\n");
        frmimpostazioni *window = openWindow();
        const SettingsFile &file = registry->settingsFile();
        QCOMPARE(file.settings().fixedOrder(), std::optional(Direction::Ascending));
        QCOMPARE(file.settings().maxDenominator(), 99);
        QCOMPARE(file.source(QStringLiteral("esercizi/ordine")), SettingSource::Lab);
        QCOMPARE(file.problems().size(), 1);
        QVERIFY(file.problems()[0].contains(
            QStringLiteral("[laboratorio] blocca = «no»: vale solo nel file del laboratorio")));
        QCOMPARE(window->Label2->text(), "Queste impostazioni le decide il laboratorio.");
        QVERIFY(!window->cmdsalva->isEnabled() && !window->rows[0].frame->isEnabled());
        QVERIFY(window->cmdrighe->isVisible());
    }

    // A window the lab hides is refused on the menu with a sentence.
    void aHiddenWindowIsRefused()
    {
        write(QStringLiteral("lab2"), "[laboratorio]\nfinestra_insegnante = no\n");
        QVERIFY(!openWindow());
        const auto *notice =
            control<QLabel>(registry->screen(QStringLiteral("frminizio")), "avviso");
        QCOMPARE(notice ? notice->text() : QString(),
                 "Le impostazioni per l’insegnante non si aprono: le ha chiuse il laboratorio.");
    }
};

QTEST_MAIN(SettingsTest)
#include "tst_settings.moc"
