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
// the screens opened after it. «Argomenti in più» switches on the topics
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
    };
    std::vector<Row> rows;
    QGroupBox *fraargomenti = nullptr;
    // One switch a topic, with its key.
    std::vector<std::pair<const SettingKey *, QCheckBox *>> topics;
    QPushButton *cmdsalva;
    QLabel *lblmess;

protected:
    // Tab into a row lands on the choice in force, not on its first.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Checks the value in force of each key and says where it comes from.
    void mostra();
    void cmdsalva_Click();

    SettingsFile &m_file;
};
