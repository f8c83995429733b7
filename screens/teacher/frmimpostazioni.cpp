// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmimpostazioni.h"

#include "settingsfile.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <algorithm>
#include <map>

namespace {

constexpr int firstRow = 1080;
constexpr int rowStep = 570;
constexpr int frameLeft = 3000;
constexpr int frameWidth = 4560;
// The topics' switches, two to a line: their names are long.
constexpr int topicColumns = 2;
constexpr int topicLine = 420;
const QString topicSection = QStringLiteral("argomenti/");

// The window grows by the topics' frame, so that the rows above keep their places.
int windowHeight(const QStringList &topics)
{
    const int lines = (int(topics.size()) + topicColumns - 1) / topicColumns;
    return 7185 + (lines > 0 ? 330 + lines * topicLine + 90 + 120 : 0);
}

QString switched(const frmimpostazioni::Switch &topic)
{
    return topic.box->isChecked() ? QStringLiteral("si") : QStringLiteral("no");
}

// A control's name from its kind and the key's own name: "optvoce_si".
QByteArray controlName(const char *prefix, const SettingKey &key, const QString &value = {})
{
    QString name = QLatin1String(prefix) + key.key.section(QLatin1Char('/'), 1);
    if (!value.isEmpty())
        name += QLatin1Char('_') + value;
    return name.toLatin1();
}

// The value a row shows chosen, or the one in force when none of its
// choices is (a number written by hand).
QString chosen(const frmimpostazioni::Row &row)
{
    for (std::size_t c = 0; c < row.choices.size(); ++c) {
        if (row.choices[c]->isChecked())
            return row.key->choices[c].value;
    }
    return row.shown;
}

} // namespace

frmimpostazioni::frmimpostazioni(SettingsFile &file, const QStringList &topicKeys)
    : Page(QStringLiteral("frmimpostazioni"), QStringLiteral("Impostazioni per l’insegnante"),
           10620, windowHeight(topicKeys), QColor(224, 240, 255)),
      m_file(file)
{
    const Font text = Font::sans(9.75);
    label("Label1", QStringLiteral("Impostazioni per l’insegnante"), 240, 120, 10095, 495,
          Font::comic(18).boldFace(), Qt::AlignHCenter);
    Label2 =
        label("Label2",
              QStringLiteral("Valgono su questo computer per gli esercizi aperti da ora in poi."),
              240, 600, 10095, 375, text, Qt::AlignHCenter);
    int tabIndex = 0;
    int top = firstRow;
    for (const SettingKey &key : settingKeys()) {
        if (key.key.startsWith(topicSection))
            continue;
        Row row {&key, nullptr, nullptr, {}, nullptr, {}};
        row.name = label(controlName("lbl", key).constData(), key.label + QLatin1Char(':'), 240,
                         top + 90, 2655, 375, text, Qt::AlignRight);
        row.frame = frame(controlName("fra", key).constData(), QString(), frameLeft, top,
                          frameWidth, 495, text);
        row.frame->setAccessibleName(key.label);
        const int width = (frameWidth - 240) / int(key.choices.size());
        for (std::size_t c = 0; c < key.choices.size(); ++c) {
            const SettingChoice &choice = key.choices[c];
            row.choices.push_back(
                option(row.frame, controlName("opt", key, choice.value).constData(), choice.caption,
                       120 + int(c) * width, 90, width - 60, 360, text, tabIndex++));
            row.choices.back()->installEventFilter(this);
        }
        row.inForce = label(controlName("lblora", key).constData(), QString(),
                            frameLeft + frameWidth + 120, top + 90, 2820, 375, text);
        rows.push_back(row);
        top += rowStep;
    }
    const int extra = designedSize().height() - 7185;
    if (!topicKeys.isEmpty()) {
        fraargomenti = frame("fraargomenti", QStringLiteral("Argomenti in più"), 240, top + 60,
                             10140, extra - 120, text);
        const int width = (10140 - 240) / topicColumns;
        for (const QString &name : topicKeys) {
            const SettingKey *key = findSettingKey(name);
            const int k = int(topics.size());
            QCheckBox *box =
                checkBox(fraargomenti, controlName("chk", *key).constData(), key->label,
                         120 + k % topicColumns * width, 330 + k / topicColumns * topicLine,
                         width - 60, 360, text, tabIndex++);
            topics.push_back({key, box, {}});
        }
    }
    cmdsalva = button("cmdsalva", QStringLiteral("&Salva"), 1320, 6600 + extra, 1095, 375, text,
                      tabIndex++);
    fineButton(tabIndex++);
    moveControl(cmdfine, QRect(240, 6600 + extra, 855, 375));
    // Beside the title, where nothing else lies; there only when needed.
    cmdrighe = button("cmdrighe", QStringLiteral("&Righe ignorate"), 8580, 150, 1800, 375, text,
                      tabIndex++);
    cmdrighe->hide();
    lblmess = label("lblmess", QString(), 2640, 6480 + extra, 7740, 615, text);
    connect(cmdsalva, &QPushButton::clicked, this, &frmimpostazioni::cmdsalva_Click);
    connect(cmdrighe, &QPushButton::clicked, this, &frmimpostazioni::cmdrighe_Click);
}

bool frmimpostazioni::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::FocusIn)
        return Page::eventFilter(watched, event);
    // By the keys, or as the window opens; a click chooses where it lands.
    const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
    if (reason == Qt::MouseFocusReason || reason == Qt::OtherFocusReason)
        return Page::eventFilter(watched, event);
    for (const Row &row : rows) {
        if (std::find(row.choices.begin(), row.choices.end(), watched) == row.choices.end())
            continue;
        for (QRadioButton *choice : row.choices) {
            // Once the focus has settled, so that a screen reader hears
            // where it lands.
            if (choice->isChecked() && choice != watched)
                QTimer::singleShot(0, choice, [choice] { choice->setFocus(Qt::TabFocusReason); });
        }
    }
    return Page::eventFilter(watched, event);
}

void frmimpostazioni::Form_Load()
{
    Page::Form_Load();
    mostra();
    QStringList told;
    if (m_file.settings().locked())
        told << Label2->text();
    if (const qsizetype ignored = m_file.problems().size()) {
        cmdrighe->show();
        lblmess->setText(ignored == 1 ? QStringLiteral("Una riga dei file delle impostazioni non "
                                                       "conta: la mostra «Righe ignorate».")
                                      : QStringLiteral("%1 righe dei file delle impostazioni non "
                                                       "contano: le mostra «Righe ignorate».")
                                            .arg(ignored));
        told << lblmess->text();
    }
    if (!told.isEmpty())
        speak(told.join(QLatin1Char(' ')));
}

void frmimpostazioni::mostra()
{
    const Settings &settings = m_file.settings();
    // The lab's file decides, as KDE's immutable settings: nothing here changes it.
    const bool locked = settings.locked();
    for (Row &row : rows) {
        const QString value = settings.value(row.key->key);
        QString shown = value;
        for (std::size_t c = 0; c < row.choices.size(); ++c) {
            const bool inForce = row.key->choices[c].value == value;
            row.choices[c]->setChecked(inForce);
            if (inForce)
                shown = row.key->choices[c].caption;
        }
        row.shown = value;
        row.inForce->setText(
            QStringLiteral("in uso: %1 (%2)")
                .arg(shown, sourceName(m_file.source(row.key->key), row.key->key)));
        // Heard with the choice the focus enters the row on, not only in a review.
        row.frame->setAccessibleDescription(row.inForce->text());
        for (QRadioButton *choice : row.choices)
            choice->setAccessibleDescription(row.inForce->text());
        row.frame->setEnabled(!locked);
    }
    for (Switch &topic : topics) {
        topic.shown = settings.value(topic.key->key);
        topic.box->setChecked(topic.shown == QStringLiteral("si"));
        topic.box->setAccessibleDescription(
            QStringLiteral("in uso: %1 (%2)")
                .arg(topic.box->isChecked() ? QStringLiteral("sì") : QStringLiteral("no"),
                     sourceName(m_file.source(topic.key->key), topic.key->key)));
        topic.box->setEnabled(!locked);
    }
    cmdsalva->setEnabled(!locked);
    if (locked)
        Label2->setText(QStringLiteral("Queste impostazioni le decide il laboratorio."));
}

bool frmimpostazioni::cmdsalva_Click()
{
    // Only the rows the teacher changed go into her file: a key she left as
    // the lab set it keeps following the lab, and an option given for this
    // start (--voce) stays an option of this start.
    std::map<QString, QString> changes;
    for (const Row &row : rows) {
        const QString value = chosen(row);
        if (value != row.shown && value != m_file.fileValue(row.key->key))
            changes[row.key->key] = value;
    }
    for (const Switch &topic : topics) {
        const QString value = switched(topic);
        if (value != topic.shown && value != m_file.fileValue(topic.key->key))
            changes[topic.key->key] = value;
    }
    const std::optional<QString> failure = m_file.save(changes);
    // The place, not the path: a path read out letter by letter says nothing.
    lblmess->setText(failure ? QStringLiteral("Non salvate su questo computer (%1): restano "
                                              "quelle di prima.")
                                   .arg(*failure)
                             : QStringLiteral("Salvate su questo computer."));
    speak(lblmess->text());
    mostra();
    return !failure;
}

void frmimpostazioni::cmdrighe_Click()
{
    QMessageBox box(QMessageBox::Information, QStringLiteral("Righe ignorate"),
                    QStringLiteral("Queste righe dei file delle impostazioni non contano:"),
                    QMessageBox::Ok, this);
    box.setInformativeText(m_file.problems().join(QStringLiteral("\n\n")));
    box.exec();
}

bool frmimpostazioni::mayLeave()
{
    if (std::all_of(rows.begin(), rows.end(),
                    [](const Row &row) { return chosen(row) == row.shown; })
        && std::all_of(topics.begin(), topics.end(),
                       [](const Switch &topic) { return switched(topic) == topic.shown; }))
        return true;
    QMessageBox box(QMessageBox::Question, windowTitle(), QStringLiteral("Salvo le modifiche?"),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    box.button(QMessageBox::Save)->setText(QStringLiteral("&Salva"));
    box.button(QMessageBox::Discard)->setText(QStringLiteral("&Non salvare"));
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("&Annulla"));
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
    case QMessageBox::Save:
        return cmdsalva_Click();
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

void frmimpostazioni::cmdfine_Click()
{
    if (mayLeave())
        Page::cmdfine_Click();
}

void frmimpostazioni::closeEvent(QCloseEvent *event)
{
    if (mayLeave())
        Page::closeEvent(event);
    else
        event->ignore();
}
