// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercise.h"

#include "aidarea.h"
#include "helppanel.h"
#include "numberpad.h"
#include "picture.h"
#include "registry.h"
#include "timestable.h"

#include <QApplication>
#include <QChildEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

Exercise::Exercise(Registry &registry, const QString &name, const QString &caption,
                   const QColor &background)
    : Page(name, caption, 10620, 7185, background), m_registry(registry)
{
    tmrtempo = timer("tmrtempo", 3000);
    connect(tmrtempo, &QTimer::timeout, this, &Exercise::tmrtempo_Timer);
}

void Exercise::Form_Load()
{
    Page::Form_Load();
    rnd().reseed();
    estrai();
    speak(spokenTask());
}

QLabel *Exercise::message(int left, int top, int width, int height, const Font &font,
                          const QColor &text)
{
    lblmess = label("lblmess", QString(), left, top, width, height, font.italicFace(),
                    Qt::AlignHCenter, text);
    return lblmess;
}

void Exercise::confermaButton(int left, int top, int width, int height, const Font &font,
                              int tabIndex)
{
    cmdconferma = button("cmdconferma", QStringLiteral("&Conferma"), left, top, width, height, font,
                         tabIndex);
    setConfirm(cmdconferma);
    connect(cmdconferma, &QPushButton::clicked, this, &Exercise::cmdconferma_Click);
}

void Exercise::cmdconferma_Click()
{
    if (m_newTaskByConferma.isValid()
        && m_newTaskByConferma.elapsed() < QApplication::doubleClickInterval())
        return;
    const QWidget *focused = focusWidget();
    const Verdict verdict = judge();
    lblmess->setText(verdict.text);
    tmrtempo->start();
    if (verdict.right) {
        speak(verdict.text);
        estrai();
        taskChanged();
        m_newTaskByConferma.start();
        speak(spokenTask());
        return;
    }
    // Heard, not seen: which boxes were emptied; in a test in class, with
    // no help, the verdict alone, as written.
    const QString check = settings().help() ? checkPhrase(verdict.judgement.step) : QString();
    speak(check.isEmpty() ? verdict.text : verdict.text + QLatin1Char(' ') + check);
    // A screen reader reads a box the program moved to by its first digit
    // only: the box and what is left in it are said here instead.
    if (const auto *box = qobject_cast<const QLineEdit *>(focusWidget()); box && box != focused)
        speak(QStringLiteral("Ora in %1: %2.")
                  .arg(box->accessibleName(),
                       box->text().isEmpty() ? QStringLiteral("vuota") : box->text()));
    m_last = verdict.judgement;
    const int level = std::max(m_helpLevel, helpLevel(++m_wrong));
    if (level > 0)
        showHelp(level);
}

QString Exercise::reading() const
{
    const Help help = shownHelp();
    return help.level > 0 ? spokenTask() + QLatin1Char(' ') + help.spoken : spokenTask();
}

Help Exercise::shownHelp() const
{
    return m_help && !m_help->isHidden() ? m_help->help() : Help {};
}

void Exercise::taskChanged()
{
    m_wrong = 0;
    m_helpLevel = 0;
    m_last = {};
    if (m_table)
        m_table->setRow(timesTableRow());
    m_tableInFront = m_tableWanted;
    arrangeAids();
}

void Exercise::helpChanged()
{
    if (m_helpLevel > 0)
        showHelp(m_helpLevel);
}

void Exercise::showHelp(int level)
{
    if (!settings().help())
        return;
    const Help help = helpAt(level, m_last);
    const bool isNew = m_helpLevel == 0 || !m_help || m_help->help().lines != help.lines;
    const bool wasBehind = m_turns && m_tableInFront;
    m_helpLevel = level;
    if (!m_help) {
        // Made only when first needed: until a child errs or asks, the
        // screen is as it always was.
        m_help = new HelpPanel(this);
        addControl(m_help, aidArea(), Font::comic(13.5).boldFace());
        m_help->hide();
        connect(m_help, &HelpPanel::tapped, this,
                [this] { showHelp(std::min(m_helpLevel + 1, 2)); });
        connect(m_help, &HelpPanel::aboutChanged, this, [this](int pair) { markHelped(pair); });
    }
    m_help->setHelp(help);
    m_tableInFront = false;
    arrangeAids();
    if (isNew)
        speak(help.spoken);
    else if (wasBehind)
        speak(QStringLiteral("Si vede l’aiuto: F2 per la tavola pitagorica."));
}

QStringList Exercise::padKeys() const
{
    QStringList keys = m_padKeys;
    if (settings().help())
        keys << QStringLiteral("?");
    if (timesTableAllowed())
        keys << QStringLiteral("×");
    return keys;
}

bool Exercise::timesTableAllowed() const
{
    return m_registry.timesTableAllowed() && timesTableRow() > 0;
}

bool Exercise::timesTableShown() const
{
    return m_table && !m_table->isHidden();
}

void Exercise::toggleTimesTable()
{
    if (!m_table) {
        // Made only when first asked for, like the help.
        m_table = new TimesTable(this);
        // No font of the table's: the table fits its own to its cells, at
        // every zoom.
        addControl(m_table, aidArea());
        m_table->hide();
        // Reached with Tab right after the answer boxes, not after Fine.
        QWidget *lastBox = nullptr;
        for (QWidget *next = nextInFocusChain(); next != this; next = next->nextInFocusChain()) {
            if (qobject_cast<QLineEdit *>(next) && next->parentWidget() == this)
                lastBox = next;
        }
        if (lastBox)
            setTabOrder(lastBox, m_table);
    }
    m_table->setRow(timesTableRow());
    // Behind the help, F2 brings the table in front; else it shows or hides it.
    const bool wasTurns = m_turns;
    if (m_tableWanted && m_turns && !m_tableInFront) {
        m_tableInFront = true;
    } else {
        m_tableWanted = !m_tableWanted;
        m_tableInFront = m_tableWanted;
    }
    arrangeAids();
    // Where the two take turns, the child hears which one shows now.
    if (m_turns && m_tableInFront)
        speak(QStringLiteral("Si vede la tavola pitagorica: F1 per l’aiuto."));
    else if (wasTurns)
        speak(QStringLiteral("Si vede l’aiuto."));
    if (timesTableShown())
        speak(
            m_table->row() > 0
                ? QStringLiteral("Tavola pitagorica: riga del %1 evidenziata.").arg(m_table->row())
                : QStringLiteral("Tavola pitagorica."));
}

void Exercise::setZoom(qreal factor)
{
    Page::setZoom(factor);
    // The smallest help and table are in pixels: what fits changes with the zoom.
    arrangeAids();
}

void Exercise::arrangeAids()
{
    Aids aids;
    const bool withPad = m_pad && m_pad->isVisibleTo(this);
    if (withPad) {
        aids.padKeys = m_pad->keysSize(3);
        aids.widePadKeys = m_pad->keysSize(5);
    }
    aids.help = m_help && m_helpLevel > 0;
    aids.table = m_table && m_tableWanted;
    aids.tableInFront = m_tableInFront;
    Picture *drawing = illustration(*this);
    const QRect drawn = drawing ? designedRect(drawing) : QRect();
    const AidPlaces places = placeAids(aidArea(), drawn, aids, zoom());
    m_turns = places.turns;
    if (withPad)
        m_pad->arrange(places.padColumns, places.padKeys);
    if (drawing)
        drawing->setVisible(
            !drawn.intersects(places.padKeys.united(places.help).united(places.table)));
    // An aid waiting for its turn is hidden, from a screen reader too.
    for (QWidget *aid : {static_cast<QWidget *>(m_table), static_cast<QWidget *>(m_help)}) {
        if (!aid)
            continue;
        const QRect place = aid == m_help ? places.help : places.table;
        if (!place.isEmpty())
            moveControl(aid, place);
        aid->setVisible(!place.isEmpty());
        aid->raise();
    }
}

bool Exercise::programKey(KeyAction action, bool run)
{
    switch (action) {
    case KeyAction::Help:
        // Asking again at the last level is answered too, not met with silence.
        if (run && m_helpLevel >= 2 && shownHelp().level > 0)
            speak(QStringLiteral("Questo è tutto l’aiuto."));
        else if (run)
            showHelp(std::min(m_helpLevel + 1, 2));
        return true;
    case KeyAction::TimesTable:
        if (!timesTableAllowed())
            return false;
        if (run)
            toggleTimesTable();
        return true;
    case KeyAction::TeacherTask:
        if (!m_teacherTask)
            return false;
        if (run)
            m_teacherTask();
        return true;
    default:
        return false;
    }
}

void Exercise::childEvent(QChildEvent *event)
{
    // The pad is made when first shown; the help keeps clear of it.
    if (event->type() == QEvent::ChildPolished && qobject_cast<PadKeys *>(event->child())
        && !m_pad) {
        m_pad = static_cast<PadKeys *>(event->child());
        m_pad->installEventFilter(this);
    }
    Page::childEvent(event);
}

bool Exercise::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_pad && (event->type() == QEvent::Show || event->type() == QEvent::Hide))
        arrangeAids();
    return Page::eventFilter(watched, event);
}

Random &Exercise::rnd() const
{
    return m_registry.random();
}

const Settings &Exercise::settings() const
{
    return m_registry.settings();
}

void Exercise::tmrtempo_Timer()
{
    lblmess->setText(QString());
}

void Exercise::emptyWrong(const Judgement &judgement, const std::vector<QLineEdit *> &boxes)
{
    for (std::size_t box = 0; box < boxes.size(); ++box) {
        if (!judgement.right[box])
            boxes[box]->setText(QString());
    }
}
