// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "page.h"

#include <QString>

#include <vector>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class SettingsFile;
struct SettingKey;

// "Impostazioni per l’insegnante": every key of the settings file in plain
// Italian, the value in force and where it comes from, and "&Salva", which
// writes the choices into this computer's user's file and applies them to
// the screens opened after it.
class frmimpostazioni : public Page
{
    Q_OBJECT

public:
    explicit frmimpostazioni(SettingsFile &file);

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
