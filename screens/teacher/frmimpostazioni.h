// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "page.h"

#include <QString>

#include <vector>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class SettingsFile;
struct SettingKey;

// "Impostazioni per l’insegnante": every key of the settings file in plain
// Italian, the value in force and where it comes from, and "&Salva", which
// writes the choices into this computer's user's file and applies them to
// the screens opened after it. It lists the lines of the files that do not
// count, asks before choices not saved are lost, and only shows when the
// lab's file locks the settings. «Argomenti in più» switches on the topics
// beyond the twelve screens, one check box a topic.
class frmimpostazioni : public Page
{
    Q_OBJECT

public:
    // topics names the keys of the topics the program has screens for
    // ("argomenti/tipi"); the others are left out.
    frmimpostazioni(SettingsFile &file, const QStringList &topics);

    void Form_Load() override;

    // One row a key: its name, its choices in a frame, and what is in force.
    struct Row
    {
        const SettingKey *key;
        QLabel *name;
        QGroupBox *frame;
        std::vector<QRadioButton *> choices;
        QLabel *inForce;
        // The choice shown when the window was last filled in.
        QString shown;
    };
    std::vector<Row> rows;
    // One switch a topic, with its key and what it showed when the window
    // was last filled in.
    struct Switch
    {
        const SettingKey *key;
        QCheckBox *box;
        QString shown;
    };
    QGroupBox *fraargomenti = nullptr;
    std::vector<Switch> topics;
    QLabel *Label2;
    QPushButton *cmdsalva;
    QPushButton *cmdrighe;
    QLabel *lblmess;

protected:
    // Tab into a row lands on the choice in force, not on its first.
    bool eventFilter(QObject *watched, QEvent *event) override;
    void cmdfine_Click() override;
    void closeEvent(QCloseEvent *event) override;

private:
    // Checks the value in force of each key and says where it comes from.
    void mostra();
    // Saves the rows the teacher changed; false when the file could not be written.
    bool cmdsalva_Click();
    void cmdrighe_Click();
    // Whether the window may go: nothing is left unsaved, or the teacher said so.
    bool mayLeave();

    SettingsFile &m_file;
};
