// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "diagram.h"
#include "rulespage.h"

// The rules of the decimals, of the whole from a fraction and of
// percentages: one page each, the «Regola» buttons leading from one to the
// others, and "&Fine", or Esc, back to the topics' choice screen.
class TopicRulesPage : public RulesPage
{
    Q_OBJECT

public:
    // What a page says: its rule, a drawing exact to the part, and the
    // worked examples under it.
    struct Content
    {
        const char *name;
        const char *caption;
        const char *rule;
        Diagram diagram;
        const char *examples;
    };
    static const Content Decimals;
    static const Content WholeFromFraction;
    static const Content Percentages;

    TopicRulesPage(const Content &content, const QStringList &pages, const QString &back);

    // The rule, the drawing and the examples, decimal numbers, fractions and
    // signs in words.
    QString reading() const override;

    QLabel *Label2;
    QWidget *Picture1;
    QLabel *Label3;
};
