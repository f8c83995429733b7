// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmimpostazioni.h"

#include "settingsfile.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
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

QString sourceName(SettingSource source, const QString &key)
{
    switch (source) {
    case SettingSource::User:
        return QStringLiteral("questo computer");
    case SettingSource::Lab:
        return QStringLiteral("il laboratorio");
    case SettingSource::Option:
        return QStringLiteral("opzione --") + key.section(QLatin1Char('/'), 1);
    case SettingSource::Default:
        break;
    }
    return QStringLiteral("predefinito");
}

// A control's name from its kind and the key's own name: "optvoce_si".
QByteArray controlName(const char *prefix, const SettingKey &key, const QString &value = {})
{
    QString name = QLatin1String(prefix) + key.key.section(QLatin1Char('/'), 1);
    if (!value.isEmpty())
        name += QLatin1Char('_') + value;
    return name.toLatin1();
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
    label("Label2",
          QStringLiteral("Valgono su questo computer per gli esercizi aperti da ora in poi."), 240,
          600, 10095, 375, text, Qt::AlignHCenter);
    int tabIndex = 0;
    int top = firstRow;
    for (const SettingKey &key : settingKeys()) {
        if (key.key.startsWith(topicSection))
            continue;
        Row row {&key, nullptr, nullptr, {}, nullptr};
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
            topics.emplace_back(key, box);
        }
    }
    cmdsalva = button("cmdsalva", QStringLiteral("&Salva"), 1320, 6600 + extra, 1095, 375, text,
                      tabIndex++);
    fineButton(tabIndex);
    moveControl(cmdfine, QRect(240, 6600 + extra, 855, 375));
    lblmess = label("lblmess", QString(), 2640, 6480 + extra, 7740, 615, text);
    connect(cmdsalva, &QPushButton::clicked, this, &frmimpostazioni::cmdsalva_Click);
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
}

void frmimpostazioni::mostra()
{
    const Settings &settings = m_file.settings();
    for (const Row &row : rows) {
        const QString value = settings.value(row.key->key);
        QString shown = value;
        for (std::size_t c = 0; c < row.choices.size(); ++c) {
            const bool inForce = row.key->choices[c].value == value;
            row.choices[c]->setChecked(inForce);
            if (inForce)
                shown = row.key->choices[c].caption;
        }
        row.inForce->setText(
            QStringLiteral("in uso: %1 (%2)")
                .arg(shown, sourceName(m_file.source(row.key->key), row.key->key)));
        row.frame->setAccessibleDescription(row.inForce->text());
    }
    for (const auto &[key, box] : topics) {
        box->setChecked(settings.topic(key->key.mid(topicSection.size())));
        box->setAccessibleDescription(
            QStringLiteral("in uso: %1 (%2)")
                .arg(box->isChecked() ? QStringLiteral("sì") : QStringLiteral("no"),
                     sourceName(m_file.source(key->key), key->key)));
    }
}

void frmimpostazioni::cmdsalva_Click()
{
    // Only what the teacher changed goes into her file: a key she left as
    // the lab set it keeps following the lab.
    std::map<QString, QString> changes;
    for (const Row &row : rows) {
        for (std::size_t c = 0; c < row.choices.size(); ++c) {
            const QString &value = row.key->choices[c].value;
            if (row.choices[c]->isChecked() && value != m_file.fileValue(row.key->key))
                changes[row.key->key] = value;
        }
    }
    for (const auto &[key, box] : topics) {
        const QString value = box->isChecked() ? QStringLiteral("si") : QStringLiteral("no");
        if (value != m_file.fileValue(key->key))
            changes[key->key] = value;
    }
    const std::optional<QString> failure = m_file.save(changes);
    if (failure)
        lblmess->setText(QStringLiteral("Non è stato possibile salvare in %1 (%2). "
                                        "Restano le impostazioni di prima.")
                             .arg(m_file.userPath(), *failure));
    else
        lblmess->setText(QStringLiteral("Salvate in %1.").arg(m_file.userPath()));
    speak(lblmess->text());
    mostra();
}
