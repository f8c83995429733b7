// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmequivalenti.h"

#include "fractionlabels.h"
#include "line.h"
#include "picture.h"

#include <QLabel>
#include <QLineEdit>

frmequivalenti::frmequivalenti(Registry &registry)
    : Exercise(registry, QStringLiteral("frmequivalenti"), QStringLiteral("Frazioni equivalenti"),
               QColor(192, 255, 192))
{
    const Font numbers = Font::sans(24);
    Picture1 =
        pictureBox("Picture1", QStringLiteral("banner-equivalenti.svg"), 2100, 240, 6420, 975);
    Picture2 =
        pictureBox("Picture2", QStringLiteral("girl-back-to-school.svg"), 7440, 1440, 2535, 4335);
    Label1 = label("Label1", QString(), 360, 1440, 6735, 495, Font::comic(15.75).boldFace());
    lbln = label("lbln", QString(), 1560, 2880, 615, 495, numbers, Qt::AlignHCenter);
    Line1 = line("Line1", 1440, 3480, 2280, 3480, 3);
    lbld = label("lbld", QString(), 1560, 3600, 615, 495, numbers, Qt::AlignHCenter);
    Label2 = label("Label2", QStringLiteral("="), 2640, 3240, 375, 495, numbers, Qt::AlignHCenter);
    txtn = textBox("txtn", 3480, 2760, 855, 615, numbers, 0);
    Line2 = line("Line2", 3360, 3480, 4440, 3480, 3);
    txtd = textBox("txtd", 3480, 3600, 855, 615, numbers, 1);
    lbld2 = label("lbld2", QString(), 3480, 3600, 855, 495, numbers, Qt::AlignHCenter);
    message(360, 4920, 6735, 735, Font::comic(21.75), QColor(0, 0, 255));
    confermaButton(2880, 6120, 1335, 495, Font {}, 2);
    fineButton(3);

    txtn->setAccessibleName(QStringLiteral("numeratore"));
    txtd->setAccessibleName(QStringLiteral("denominatore"));
}

QString frmequivalenti::spokenTask() const
{
    return ::spokenTask(m_task);
}

void frmequivalenti::estrai()
{
    const auto kind = static_cast<EquivalentKind>(m_turn);
    showTask(drawEquivalent(rnd(), kind, settings().maxDenominator()));
}

void frmequivalenti::showTask(const EquivalentTask &given)
{
    m_task = given;
    m_turn = (int(m_task.kind) + 1) % 3;
    const bool lowest = m_task.kind == EquivalentKind::LowestTerms;
    Label1->setText(lowest ? QStringLiteral("Riduci ai minimi termini")
                           : QStringLiteral("Scrivi il numeratore che manca"));
    showFraction(m_task.given, lbln, lbld, Line1);
    txtd->setVisible(lowest);
    lbld2->setVisible(!lowest);
    lbld2->setText(lowest ? QString() : QString::number(m_task.target));
    lbld2->setAccessibleName(
        lbld2->text().isEmpty() ? QString() : QStringLiteral("denominatore %1").arg(lbld2->text()));
    // A new task starts with empty boxes, the cursor in the first.
    txtn->setText(QString());
    txtd->setText(QString());
    txtn->setFocus();
}

frmequivalenti::Verdict frmequivalenti::judge()
{
    const Judgement judgement = ::judge(m_task, {txtn->text(), txtd->text()});
    if (judgement.step == Step::Simplify)
        return {QStringLiteral("Equivalente, ma si può ancora semplificare!"), false, judgement};
    emptyWrong(judgement, {txtn, txtd});
    return verdict(judgement, QStringLiteral("Esatto, complimenti!"),
                   QStringLiteral("Sbagliato, riprova!"));
}

Help frmequivalenti::helpAt(int level, const Judgement &last) const
{
    return help(m_task, last.step, level);
}

// The row of the denominator that is multiplied; none in lowest terms,
// where the table would give the answer away no better than the help.
int frmequivalenti::timesTableRow() const
{
    switch (m_task.kind) {
    case EquivalentKind::Amplify:
        return m_task.given.denominator <= 10 ? m_task.given.denominator : 0;
    case EquivalentKind::Simplify:
        return m_task.target <= 10 ? m_task.target : 0;
    case EquivalentKind::LowestTerms:
        break;
    }
    return 0;
}
