// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "page.h"

#include <vector>

class QLabel;

// What the three rules pages share: their size and colour, "&Fine", the
// bookworm, the title, and the bar of "Regola" buttons that leads from one
// page to the others. A page adds only its own text and drawings.
class RulesPage : public Page
{
    Q_OBJECT

public:
    // pages names every rules page, in the order of the "Regola" buttons; the
    // button of this page is disabled, the others open their pages.
    RulesPage(const QString &name, const QString &caption, const QStringList &pages);

    // The page is read aloud as it opens.
    void Form_Load() override;
    // The page in reading order, its fractions and signs in words.
    QString reading() const override;

    Picture *Picture2 = nullptr;
    QPushButton *cmdregola3 = nullptr;
    QPushButton *cmdregola2 = nullptr;
    QPushButton *cmdregola1 = nullptr;
    QLabel *Label1 = nullptr;

protected:
    // Most of a page's text is in this font and this colour.
    const Font body = Font::comic(12);
    const QColor Blue {0, 0, 255};

    // The title, Label1, says the caption; built last, so it lies on top.
    void title(int width);

    // One piece of the page's text: a label, or a fraction made of its
    // numerator and denominator labels, read the way a teacher says it; or
    // a drawing, read by its description.
    struct Reading
    {
        QLabel *text;
        QLabel *denominator = nullptr;
        QWidget *drawing = nullptr;
    };
    // A drawing of the page says what it shows to a screen reader, and with
    // the page.
    static Reading drawing(QWidget *picture, const QString &description);
    // The page's text in reading order, top to bottom, left to right.
    void readingOrder(std::vector<Reading> order) { m_reading = std::move(order); }

private:
    std::vector<Reading> m_reading;
};
