// SPDX-License-Identifier: GPL-3.0-or-later

// A monkey: a long, seeded stream of whatever a child can do (clicks anywhere,
// keys, typed and pasted text of any kind, timer ticks, closed windows), with
// every screen's invariants checked after each event. The same seed replays
// the same stream: QUOTELLE_MONKEY_SEED picks another one, and
// QUOTELLE_MONKEY_EVENTS another length.
#include "application.h"
#include "clickarea.h"
#include "frmcalcolo.h"
#include "frmcomplementare.h"
#include "frmdecimali.h"
#include "frmequivalenti.h"
#include "frmintero.h"
#include "frmmax.h"
#include "frmordine.h"
#include "frmpercentuale.h"
#include "frmriconosco.h"
#include "frmsimbolo.h"
#include "frmtipi.h"
#include "line.h"
#include "partsdrawing.h"
#include "screens.h"
#include "settingsfile.h"
#include "shape.h"
#include "teachertask.h"
#include "testing.h"
#include "topics.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleHints>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <array>
#include <bit>
#include <deque>
#include <map>
#include <optional>
#include <random>
#include <set>

namespace {

#if defined(__SANITIZE_ADDRESS__)
#define QUOTELLE_UNDER_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QUOTELLE_UNDER_ASAN 1
#endif
#endif

#ifdef QUOTELLE_UNDER_ASAN
// The address sanitizer makes every event several times slower: under it a
// shorter stream reaches every screen and answers every exercise, and keeps
// the sanitizer build's run short on a small, busy machine; the plain build
// checks each screen's share of the abuse.
constexpr int defaultEvents = 60000;
constexpr bool fullShares = false;
#else
constexpr int defaultEvents = 200000;
constexpr bool fullShares = true;
#endif
// The screens are repainted, and the window system's news delivered, after
// every this many events: painting after each one would take most of the run.
constexpr int paintEvery = 64;
constexpr std::uint32_t defaultSeed = 20261208;
// Every this many events on an exercise, the stream answers it right, so
// that the paths that draw a new task run too.
constexpr int answerEvery = 250;

// The twelve screens, then the topics, every one switched on.
// Made on first use: the topics' tables are other files' statics.
const QStringList &allScreens()
{
    static const QStringList names = screenNames() + QStringList {topicsChoice(), topicsRules()}
        + topicScreenNames() + topicsRulesPages();
    return names;
}

using Loaded = std::uint32_t; // one bit a screen, in the order above

int indexOf(const QString &name)
{
    return static_cast<int>(allScreens().indexOf(name));
}

Loaded bit(const char *name)
{
    return Loaded(1) << indexOf(QLatin1String(name));
}

QString describe(Loaded loaded)
{
    QStringList names;
    for (qsizetype k = 0; k < allScreens().size(); ++k) {
        if (loaded & (Loaded(1) << k))
            names << allScreens()[k];
    }
    return QLatin1Char('{') + names.join(QLatin1String(", ")) + QLatin1Char('}');
}

// Every way a screen can open and close others, as the navigation is designed:
// the screen, the control, what it shows and then what it unloads. The close
// box of any screen and the end of the program come on top of these.
struct Move
{
    const char *screen;
    const char *control;
    const char *shows;
    std::vector<const char *> unloads;
    bool ends = false;
};

std::vector<Move> navigation()
{
    std::vector<Move> moves {
        {"frminizio", "cmdcalcolo", "frmscelta", {}},
        {"frminizio", "cmdconfronto", "frmscelta2", {}},
        {"frminizio", "cmdtrovo", "frmcomplementare", {"frminizio"}},
        {"frminizio", "cmdripassa", "frmregolecalcola", {"frminizio"}},
        {"frminizio", "cmdesci", nullptr, {}, true},
        {"frmscelta", "cmd100", "frmcalcolo99", {"frmscelta", "frminizio"}},
        {"frmscelta", "cmd1000", "frmcalcolo", {"frmscelta", "frminizio"}},
        {"frmscelta2", "cmdsimbolo", "frmsimbolo", {"frmscelta2", "frminizio"}},
        {"frmscelta2", "cmdmax", "frmmax", {"frmscelta2", "frminizio"}},
        {"frmscelta2", "cmdordine", "frmordine", {"frmscelta2", "frminizio"}},
        {"frmregolecalcola", "cmdregola2", "frmregolecomplementare", {"frmregolecalcola"}},
        {"frmregolecalcola", "cmdregola3", "frmregoleconfronto", {"frmregolecalcola"}},
        {"frmregolecomplementare", "cmdregola1", "frmregolecalcola", {"frmregolecomplementare"}},
        {"frmregolecomplementare", "cmdregola3", "frmregoleconfronto", {"frmregolecomplementare"}},
        {"frmregoleconfronto", "cmdregola1", "frmregolecalcola", {"frmregoleconfronto"}},
        {"frmregoleconfronto", "cmdregola2", "frmregolecomplementare", {"frmregoleconfronto"}},
    };
    for (const char *page :
         {"frmcalcolo99", "frmcalcolo", "frmcomplementare", "frmsimbolo", "frmmax", "frmordine",
          "frmregolecalcola", "frmregolecomplementare", "frmregoleconfronto", "frmaltre",
          "frmriconosco", "frmtipi", "frmequivalenti"})
        moves.push_back({page, "cmdfine", "frminizio", {page}});
    moves.push_back({"frminizio", "cmdaltre", "frmaltre", {}});
    moves.push_back({"frmaltre", "cmdregole", "frmregolefrazioni", {"frmaltre", "frminizio"}});
    moves.push_back({"frmregolefrazioni", "cmdfine", "frmaltre", {"frmregolefrazioni"}});
    for (const auto &[control, topic] :
         {std::pair {"cmdriconosco", "frmriconosco"}, std::pair {"cmdtipi", "frmtipi"},
          std::pair {"cmdequivalenti", "frmequivalenti"}})
        moves.push_back({"frmaltre", control, topic, {"frmaltre", "frminizio"}});
    for (const auto &[control, topic] :
         {std::pair {"cmddecimali", "frmdecimali"}, std::pair {"cmdintero99", "frmintero99"},
          std::pair {"cmdintero", "frmintero"}, std::pair {"cmdpercentuale", "frmpercentuale"}}) {
        moves.push_back({topic, "cmdfine", "frminizio", {topic}});
        moves.push_back({"frmaltre", control, topic, {"frmaltre", "frminizio"}});
    }
    static const QList<QByteArray> rules = [] {
        QList<QByteArray> names;
        for (const QString &name : topicsRulesPages())
            names << name.toLatin1();
        return names;
    }();
    moves.push_back(
        {"frmaltre", "cmdregoledecimali", rules.front().constData(), {"frmaltre", "frminizio"}});
    for (const QByteArray &page : rules) {
        moves.push_back({page.constData(), "cmdfine", "frmaltre", {page.constData()}});
        const char *const buttons[] = {"cmdregola1", "cmdregola2", "cmdregola3"};
        for (qsizetype k = 0; k < rules.size() && k < 3; ++k)
            moves.push_back(
                {page.constData(), buttons[k], rules[k].constData(), {page.constData()}});
    }
    return moves;
}

// The sets of screens one event can leave behind, starting from these.
std::set<Loaded> oneStepFrom(Loaded loaded)
{
    static const std::vector<Move> moves = navigation();
    std::set<Loaded> next {loaded};
    for (qsizetype k = 0; k < allScreens().size(); ++k) {
        if (loaded & (Loaded(1) << k))
            next.insert(loaded & ~(Loaded(1) << k));
    }
    for (const Move &move : moves) {
        if (!(loaded & bit(move.screen)))
            continue;
        if (move.ends) {
            next.insert(0);
            continue;
        }
        Loaded after = loaded | bit(move.shows);
        for (const char *gone : move.unloads)
            after &= ~bit(gone);
        next.insert(after);
    }
    return next;
}

// A whole number as the program writes it: digits only, no sign, no leading
// zero.
std::optional<int> decimal(const QString &text)
{
    if (text.isEmpty() || text.size() > 6 || text.startsWith(QLatin1Char('0')))
        return std::nullopt;
    int value = 0;
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        value = value * 10 + (c.unicode() - '0');
    }
    return value;
}

struct Fraction
{
    int num = 0;
    int den = 0;
    auto operator<=>(const Fraction &) const = default;
};
using Terms = Fraction; // outside this namespace, Fraction is the program's

QString show(const Fraction &f)
{
    return QStringLiteral("%1/%2").arg(f.num).arg(f.den);
}

// A fraction read back from its two labels, or the reason it cannot be.
std::optional<Fraction> readFraction(const QLabel *num, const QLabel *den, QStringList &errors)
{
    const auto n = decimal(num->text());
    const auto d = decimal(den->text());
    if (!n || !d) {
        errors << QStringLiteral("%1/%2 shows \"%3\" over \"%4\"")
                      .arg(num->objectName(), den->objectName(), num->text(), den->text());
        return std::nullopt;
    }
    return Fraction {*n, *d};
}

// Fractions that share a term, all proper, all different, terms within 1..99.
void checkFamily(const QString &screen, const std::vector<Fraction> &fractions, QStringList &errors)
{
    QStringList shown;
    for (const Fraction &f : fractions)
        shown << show(f);
    const QString all = shown.join(QLatin1Char(' '));
    bool sameNum = true;
    bool sameDen = true;
    for (const Fraction &f : fractions) {
        if (f.num < 1 || f.num >= f.den || f.den > 99)
            errors << QStringLiteral("%1: %2 is not a proper fraction within 99 (%3)")
                          .arg(screen, show(f), all);
        sameNum = sameNum && f.num == fractions.front().num;
        sameDen = sameDen && f.den == fractions.front().den;
    }
    if (!sameNum && !sameDen)
        errors << QStringLiteral("%1: the fractions share no term (%2)").arg(screen, all);
    std::set<Fraction> distinct(fractions.begin(), fractions.end());
    if (distinct.size() != fractions.size())
        errors << QStringLiteral("%1: two fractions are the same (%2)").arg(screen, all);
}

void checkMessage(const QString &screen, const QLabel *lblmess, const QStringList &verdicts,
                  QStringList &errors)
{
    if (!lblmess->text().isEmpty() && !verdicts.contains(lblmess->text()))
        errors << QStringLiteral("%1: lblmess shows \"%2\"").arg(screen, lblmess->text());
}

void checkCalcolo(frmcalcolo *screen, int limit, QStringList &errors)
{
    const QString name = screen->name();
    checkMessage(name, screen->findChild<QLabel *>(QStringLiteral("lblmess")),
                 {QStringLiteral("Bravissimo!"), QStringLiteral("Sbagliato!")}, errors);
    const auto f = readFraction(screen->lblnum, screen->lblden, errors);
    const auto start = decimal(screen->lbliniz->text());
    if (!f || !start) {
        errors << QStringLiteral("%1: the starting number reads \"%2\"")
                      .arg(name, screen->lbliniz->text());
        return;
    }
    if (f->num < 1 || f->num >= f->den || f->den > 9)
        errors << QStringLiteral("%1: %2 is not a proper fraction in ninths").arg(name, show(*f));
    if (*start % f->den != 0 || *start >= limit || *start < f->den)
        errors << QStringLiteral("%1: %2 of %3 does not divide within %4")
                      .arg(name, show(*f))
                      .arg(*start)
                      .arg(limit);
}

void checkComplementare(frmcomplementare *screen, QStringList &errors)
{
    checkMessage(screen->name(), screen->findChild<QLabel *>(QStringLiteral("lblmess")),
                 {QStringLiteral("Sbagliato, riprova!"), QStringLiteral("Esatto, complimenti!")},
                 errors);
    const auto f = readFraction(screen->lbln, screen->lbld, errors);
    if (f && (f->num < 1 || f->num >= f->den || f->den > 99))
        errors << QStringLiteral("frmcomplementare: %1 is not a proper fraction within 99")
                      .arg(show(*f));
}

// A topic's screen shows a verdict it can give and a fraction its draw allows.
void checkTopic(Exercise *screen, QStringList &errors)
{
    checkMessage(screen->name(), screen->findChild<QLabel *>(QStringLiteral("lblmess")),
                 {QStringLiteral("Sbagliato, riprova!"), QStringLiteral("Esatto, complimenti!"),
                  QStringLiteral("Equivalente, ma si può ancora semplificare!")},
                 errors);
    ::Fraction f;
    if (auto *eq = qobject_cast<frmequivalenti *>(screen))
        f = eq->task().given;
    else if (auto *types = qobject_cast<frmtipi *>(screen))
        f = types->task().fraction;
    else if (auto *recognise = qobject_cast<frmriconosco *>(screen))
        f = recognise->task().fraction;
    if (f.numerator < 1 || f.denominator < 2 || f.denominator > 99
        || f.numerator > 3 * f.denominator)
        errors << QStringLiteral("%1 shows %2/%3")
                      .arg(screen->name())
                      .arg(f.numerator)
                      .arg(f.denominator);
}

// A topic's task is one its teacher's check takes, and its verdict one of
// its own.
void checkDecimalWholePercent(Exercise *screen, QStringList &errors)
{
    const auto number = [](int n) { return QString::number(n); };
    QString problem;
    QStringList verdicts {QStringLiteral("Sbagliato!"), QStringLiteral("Bravissimo!")};
    if (auto *intero = qobject_cast<frmintero *>(screen)) {
        const FractionOfRange range = screen->name().endsWith(QLatin1String("99"))
            ? FractionOfRange {99, 100}
            : FractionOfRange {999, 1000};
        problem =
            checkFractionToWhole(
                {intero->lblnum->text(), intero->lblden->text(), intero->lblnoto->text()}, range)
                .problem;
    } else if (auto *decimali = qobject_cast<frmdecimali *>(screen)) {
        const DecimalTask &t = decimali->task();
        problem = checkDecimal({number(t.numerator), number(t.denominator)}, t.kind).problem;
        verdicts = {QStringLiteral("Sbagliato, riprova!"), QStringLiteral("Esatto!"),
                    QStringLiteral("Esatto! ") + decimalRemark(t, t.number() + QLatin1Char('0'))};
    } else if (auto *percentuale = qobject_cast<frmpercentuale *>(screen)) {
        const PercentTask &t = percentuale->task();
        problem = checkPercent({number(t.percent), number(t.whole)}, t.kind).problem;
        verdicts = {QStringLiteral("Sbagliato, riprova!"), QStringLiteral("Esatto, complimenti!")};
    } else {
        return;
    }
    if (!problem.isEmpty())
        errors << screen->name() + QStringLiteral(": ") + problem;
    checkMessage(screen->name(), screen->findChild<QLabel *>(QStringLiteral("lblmess")), verdicts,
                 errors);
}

void checkSimbolo(frmsimbolo *screen, QStringList &errors)
{
    checkMessage(screen->name(), screen->findChild<QLabel *>(QStringLiteral("lblmess")),
                 {QStringLiteral("Sbagliato, riprova!"), QStringLiteral("Bravissimo!")}, errors);
    for (int p = 0; p < 6; ++p) {
        const auto left = readFraction(screen->lbln[p][0], screen->lbld[p][0], errors);
        const auto right = readFraction(screen->lbln[p][1], screen->lbld[p][1], errors);
        if (!left || !right)
            continue;
        bool valid = left->num == right->num || left->den == right->den;
        for (const Fraction &f : {*left, *right})
            valid = valid && f.num >= 1 && f.num <= 9 && f.den >= 2 && f.den <= 99 && f.num < f.den;
        if (!valid)
            errors << QStringLiteral("frmsimbolo: pair %1 is %2 and %3")
                          .arg(p + 1)
                          .arg(show(*left), show(*right));
    }
}

void checkMax(frmmax *screen, QStringList &errors)
{
    checkMessage(
        screen->name(), screen->findChild<QLabel *>(QStringLiteral("lblmess")),
        {QStringLiteral("Esatto, complimenti!"), QStringLiteral("Hai sbagliato, riprova!")},
        errors);
    int rings = 0;
    for (Shape *ring : screen->cer)
        rings += ring->isHidden() ? 0 : 1;
    if (rings > 1)
        errors << QStringLiteral("frmmax: %1 rings are shown").arg(rings);
    std::vector<Fraction> fractions;
    for (int k = 0; k < 4; ++k) {
        if (const auto f = readFraction(screen->lbln[k], screen->lbld[k], errors))
            fractions.push_back(*f);
    }
    if (fractions.size() == 4)
        checkFamily(QStringLiteral("frmmax"), fractions, errors);
}

void checkOrdine(frmordine *screen, QStringList &errors)
{
    checkMessage(screen->name(), screen->findChild<QLabel *>(QStringLiteral("lblmess")),
                 {QStringLiteral("Sbagliato, riprova!"), QStringLiteral("Esatto, complimenti!")},
                 errors);
    std::vector<Fraction> fractions;
    std::vector<Fraction> taken;
    for (int k = 0; k < 5; ++k) {
        const auto f = readFraction(screen->lbln[k], screen->lbld[k], errors);
        if (!f)
            return;
        fractions.push_back(*f);
        const bool shown = !screen->lbln[k]->isHidden();
        if (screen->lbld[k]->isHidden() == shown || screen->topLine[k]->isHidden() == shown
            || screen->img[k]->isHidden() == shown)
            errors << QStringLiteral("frmordine: top fraction %1 is only partly shown").arg(k + 1);
        if (!shown)
            taken.push_back(*f);
    }
    checkFamily(QStringLiteral("frmordine"), fractions, errors);
    std::vector<Fraction> placed;
    bool freeSeen = false;
    for (int s = 0; s < 5; ++s) {
        const bool filled = !screen->placeLine[s]->isHidden();
        const QString n = screen->lblrn[s]->text();
        const QString d = screen->lblrd[s]->text();
        if (!filled) {
            freeSeen = true;
            if (!n.isEmpty() || !d.isEmpty())
                errors
                    << QStringLiteral("frmordine: free place %1 shows %2/%3").arg(s + 1).arg(n, d);
            continue;
        }
        if (freeSeen)
            errors << QStringLiteral("frmordine: place %1 is filled after a free one").arg(s + 1);
        if (const auto f = readFraction(screen->lblrn[s], screen->lblrd[s], errors))
            placed.push_back(*f);
    }
    std::sort(taken.begin(), taken.end());
    std::sort(placed.begin(), placed.end());
    if (taken != placed) {
        QStringList a, b;
        for (const Fraction &f : taken)
            a << show(f);
        for (const Fraction &f : placed)
            b << show(f);
        errors << QStringLiteral("frmordine: taken from the top [%1] but placed [%2]")
                      .arg(a.join(QLatin1Char(' ')), b.join(QLatin1Char(' ')));
    }
}

// The program's own generator, seeded from the test's stream instead of the
// clock, so that a replay draws the same tasks.
class ReplayRandom : public Random
{
public:
    explicit ReplayRandom(std::uint32_t seed) : m_seeds(seed) { }
    void reseed() override { m_engine.seed(m_seeds()); }
    float next() override { return unitFromBits(static_cast<std::uint32_t>(m_engine())); }

private:
    std::mt19937 m_seeds;
    std::mt19937 m_engine;
};

// Some of every kind of text: digits and the symbols the exercises want,
// letters, controls, accents and combining marks, right-to-left scripts and
// marks, wide and astral characters (surrogate pairs), odd code points.
char32_t anyCodePoint(std::mt19937 &rng)
{
    const auto in = [&rng](char32_t low, char32_t high) {
        return static_cast<char32_t>(std::uniform_int_distribution<std::uint32_t>(low, high)(rng));
    };
    switch (std::uniform_int_distribution<int>(0, 15)(rng)) {
    case 0:
    case 1:
    case 2:
        return in(U'0', U'9');
    case 3:
        return U"<>= -+.,"[in(0, 7)];
    case 4:
        return in(0x20, 0x7E);
    case 5:
        return in(0x00, 0x1F) | (in(0, 3) == 0 ? 0x80 : 0); // C0, C1
    case 6:
        return in(0xA0, 0x24F);
    case 7:
        return in(0x300, 0x36F); // combining marks
    case 8:
        return in(0x5D0, 0x5EA); // Hebrew
    case 9:
        return in(0x620, 0x669); // Arabic letters and digits
    case 10:
        return U"\u200E\u200F\u202A\u202B\u202C\u202D\u202E\u2066\u2067\u2068\u2069\u200D\uFEFF"[in(
            0, 12)];
    case 11:
        return in(0xFF10, 0xFF19); // full-width digits
    case 12:
        return in(0x4E00, 0x9FFF);
    case 13:
        return in(0x1F300, 0x1FAFF); // emoji
    case 14:
        return in(0x10000, 0x10FFFF);
    default:
        return U"\n\r\t\u2028\u00AD\uFFFD\uFFFE\uFFFF"[in(0, 7)];
    }
}

// A text of that many UTF-16 units or one more. Typed text is mostly what a
// keyboard gives (exoticPercent of any kind); pasted text is of any kind.
QString anyText(std::mt19937 &rng, int length, int exoticPercent = 100)
{
    QString text;
    while (text.size() < length) {
        char32_t c = anyCodePoint(rng);
        if (std::uniform_int_distribution<int>(1, 100)(rng) > exoticPercent)
            c = std::uniform_int_distribution<std::uint32_t>(0x20, 0x7E)(rng);
        text += QString::fromUcs4(&c, 1);
    }
    return text;
}

// Lengths mostly short, sometimes long, now and then up to 10,000 characters.
// A box lays its whole text out again at every key, so long texts are mostly
// pasted: typing them takes the square of their length.
int anyLength(std::mt19937 &rng, int longOneIn)
{
    const int roll = std::uniform_int_distribution<int>(1, 1000)(rng);
    if (roll <= 800)
        return std::uniform_int_distribution<int>(1, 4)(rng);
    if (roll <= 990)
        return std::uniform_int_distribution<int>(5, 30)(rng);
    if (std::uniform_int_distribution<int>(1, longOneIn)(rng) == 1)
        return std::uniform_int_distribution<int>(1000, 10000)(rng);
    return std::uniform_int_distribution<int>(31, 300)(rng);
}

QString escaped(const QString &text, int shown = 12)
{
    QString out;
    const QList<uint> points = text.toUcs4();
    for (int k = 0; k < std::min<int>(shown, points.size()); ++k) {
        const uint c = points[k];
        out += c >= 0x21 && c < 0x7F ? QString(QChar(c)) : QStringLiteral("\\u{%1}").arg(c, 0, 16);
    }
    if (points.size() > shown)
        out += QStringLiteral("… (%1 code points)").arg(points.size());
    return QLatin1Char('"') + out + QLatin1Char('"');
}

// Lets a button pressed by its access key finish its short press animation
// at once, as if its 100 ms had passed: the same stream then clicks at the
// same point, whatever the speed of the machine.
void finishAnimatedClicks(const QList<QPointer<Screen>> &screens)
{
    QList<QPointer<QAbstractButton>> down;
    for (const QPointer<Screen> &screen : screens) {
        if (!screen)
            continue;
        for (QAbstractButton *button : screen->findChildren<QAbstractButton *>()) {
            if (button->isDown())
                down << button;
        }
    }
    for (const QPointer<QAbstractButton> &button : down) {
        if (!button || !button->isDown())
            continue;
        const auto timers = QAbstractEventDispatcher::instance()->registeredTimers(button);
        for (const auto &timer : timers) {
            QTimerEvent elapsed(timer.timerId);
            QCoreApplication::sendEvent(button, &elapsed);
            if (!button || !button->isDown())
                break;
        }
    }
}

QtMessageHandler passOn = nullptr;

// The headless platform cannot raise a window and says so at every Show of
// an open screen, and the font engine notes every script a fallback font
// cannot shape; neither says anything about the program.
void quietAboutToolkitNotes(QtMsgType type, const QMessageLogContext &context,
                            const QString &message)
{
    if (message == QLatin1String("This plugin does not support raise()")
        || message.startsWith(QLatin1String("OpenType support missing for ")))
        return;
    passOn(type, context, message);
}

} // namespace

class MonkeyTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<Registry> registry;
    std::mt19937 rng;
    std::uint32_t seed = defaultSeed;
    int eventCount = defaultEvents;
    int index = 0;
    std::deque<QString> recent;
    std::map<QString, int> eventsOn;
    std::map<QString, int> answersOn;
    int restarts = 0;

    int roll(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); }
    bool chance(int percent) { return roll(1, 100) <= percent; }

    void note(const QString &event)
    {
        recent.push_back(QString::number(index) + QLatin1String(": ") + event);
        if (recent.size() > 12)
            recent.pop_front();
    }

    QString report(const QStringList &errors) const
    {
        QStringList lines;
        lines << QStringLiteral("monkey seed %1, event %2 of %3 broke the screens:")
                     .arg(seed)
                     .arg(index)
                     .arg(eventCount);
        for (const QString &error : errors)
            lines << QLatin1String("  ") + error;
        lines << QStringLiteral("the last events:");
        for (const QString &event : recent)
            lines << QLatin1String("  ") + event;
        lines << QStringLiteral("replay with QUOTELLE_MONKEY_SEED=%1").arg(seed);
        return lines.join(QLatin1Char('\n'));
    }

    Loaded loadedNow() const
    {
        Loaded loaded = 0;
        for (const QString &name : registry->loaded())
            loaded |= Loaded(1) << indexOf(name);
        return loaded;
    }

    QList<QPointer<Screen>> loadedScreens() const
    {
        QList<QPointer<Screen>> screens;
        for (const QString &name : registry->loaded())
            screens << registry->screen(name);
        return screens;
    }

    // Lets the toolkit catch up: deferred deletes and, now and then, the
    // repaints and the window system's news (painting after every event
    // would take most of the time).
    void settle(bool everything = true)
    {
        if (everything || index % paintEvery == 0)
            QCoreApplication::processEvents();
        flushUnloaded();
    }

    // The screen the keys go to. When none is active, as after the active
    // one was unloaded, a window manager would activate another one.
    Screen *activeScreen()
    {
        const QStringList loaded = registry->loaded();
        if (loaded.isEmpty())
            return nullptr;
        auto *active = qobject_cast<Screen *>(QApplication::activeWindow());
        if (active && registry->screen(active->name()) == active)
            return active;
        Screen *screen = registry->screen(loaded[roll(0, int(loaded.size()) - 1)]);
        QApplication::setActiveWindow(screen);
        return screen;
    }

    // A click where a child points: whatever lies under the point gets it.
    void clickAt(Screen *screen, QPoint point, Qt::MouseButton button = Qt::LeftButton,
                 Qt::KeyboardModifiers modifiers = Qt::NoModifier, bool twice = false)
    {
        QWidget *target = screen->childAt(point);
        if (!target)
            target = screen;
        const QPoint local = target->mapFrom(screen, point);
        note(QStringLiteral("%1 %2 %3 at (%4,%5)%6")
                 .arg(twice ? QLatin1String("double-click") : QLatin1String("click"),
                      screen->name(), target->objectName())
                 .arg(local.x())
                 .arg(local.y())
                 .arg(button == Qt::LeftButton ? QString()
                                               : QStringLiteral(" button %1").arg(button)));
        if (twice)
            QTest::mouseDClick(target, button, modifiers, local);
        else
            QTest::mouseClick(target, button, modifiers, local);
    }

    QPoint centreOf(Screen *screen, QWidget *control) const
    {
        return control->mapTo(screen, control->rect().center());
    }

    void randomClick(Screen *screen)
    {
        QPoint point(roll(0, screen->width() - 1), roll(0, screen->height() - 1));
        // Every control of the menu, the choice screens and the rules pages
        // leaves the screen: aimed at less often, so that the stream stays
        // long enough on each screen to try everything there.
        if (chance(isExercise(screen) ? 65 : 15)) {
            QList<QWidget *> controls;
            for (QWidget *child : screen->findChildren<QWidget *>()) {
                if ((qobject_cast<QAbstractButton *>(child) || qobject_cast<ClickArea *>(child)
                     || qobject_cast<QLineEdit *>(child))
                    && child->isVisibleTo(screen))
                    controls << child;
            }
            if (!controls.isEmpty()) {
                QWidget *control = controls[roll(0, int(controls.size()) - 1)];
                point = control->mapTo(
                    screen, QPoint(roll(0, control->width() - 1), roll(0, control->height() - 1)));
            }
        }
        const int which = roll(1, 100);
        const Qt::MouseButton button = which <= 88 ? Qt::LeftButton
            : which <= 96                          ? Qt::RightButton
                                                   : Qt::MiddleButton;
        const Qt::KeyboardModifiers modifiers = chance(90) ? Qt::NoModifier
            : chance(50)                                   ? Qt::ShiftModifier
                                                           : Qt::ControlModifier;
        clickAt(screen, point, button, modifiers, chance(4));
    }

    QWidget *keyTarget(Screen *screen) const
    {
        QWidget *focus = screen->focusWidget();
        return focus && focus->isVisible() ? focus : screen;
    }

    void randomKey(Screen *screen)
    {
        QWidget *target = keyTarget(screen);
        Qt::Key key;
        Qt::KeyboardModifiers modifiers = Qt::NoModifier;
        if (chance(30)) {
            key = Qt::Key(Qt::Key_A + roll(0, 25));
            modifiers = Qt::AltModifier;
        } else {
            static const Qt::Key keys[] = {
                Qt::Key_Escape, Qt::Key_Tab,    Qt::Key_Tab,   Qt::Key_Backtab, Qt::Key_Return,
                Qt::Key_Enter,  Qt::Key_Space,  Qt::Key_Space, Qt::Key_Left,    Qt::Key_Right,
                Qt::Key_Up,     Qt::Key_Down,   Qt::Key_Home,  Qt::Key_End,     Qt::Key_Backspace,
                Qt::Key_Delete, Qt::Key_PageUp, Qt::Key_F1,    Qt::Key_A,       Qt::Key_Z,
                Qt::Key_Y,      Qt::Key_C,      Qt::Key_X};
            key = keys[roll(0, int(std::size(keys)) - 1)];
            if (key == Qt::Key_Backtab)
                modifiers = Qt::ShiftModifier;
            else if (key >= Qt::Key_A && key <= Qt::Key_Z)
                modifiers = Qt::ControlModifier;
            else if (chance(5))
                modifiers = chance(50) ? Qt::ShiftModifier : Qt::ControlModifier;
        }
        note(QStringLiteral("key %1 to %2 %3")
                 .arg(QKeySequence(key | modifiers).toString(), screen->name(),
                      target->objectName()));
        QTest::keyClick(target, key, modifiers);
    }

    void typeText(QWidget *target, const QString &text)
    {
        const QList<uint> points = text.toUcs4();
        for (uint c : points) {
            if (!target)
                return;
            const char32_t point = c;
            const QString typed = QString::fromUcs4(&point, 1);
            const Qt::Key key = c < 0x80 && QChar(c).isPrint()
                ? Qt::Key(QChar(c).toUpper().unicode())
                : Qt::Key_unknown;
            QTest::sendKeyEvent(QTest::Click, target, key, typed, Qt::NoModifier);
        }
    }

    void randomTyping(Screen *screen)
    {
        QPointer<QWidget> target = keyTarget(screen);
        const QString text = anyText(rng, anyLength(rng, 50), 10);
        note(QStringLiteral("type %1 into %2 %3")
                 .arg(escaped(text), screen->name(), target->objectName()));
        typeText(target, text);
    }

    void randomPaste(Screen *screen)
    {
        QWidget *target = keyTarget(screen);
        const QString text = anyText(rng, anyLength(rng, 2));
        QGuiApplication::clipboard()->setText(text);
        const bool insertKey = chance(30);
        note(QStringLiteral("paste %1 into %2 %3 with %4")
                 .arg(escaped(text), screen->name(), target->objectName(),
                      insertKey ? QLatin1String("Shift+Insert") : QLatin1String("Ctrl+V")));
        if (insertKey)
            QTest::keyClick(target, Qt::Key_Insert, Qt::ShiftModifier);
        else
            QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
    }

    // A tick of every running tmrtempo, without the three-second wait; each
    // one must leave its verdict label empty.
    void tick(QStringList &errors)
    {
        QStringList ticked;
        for (const QPointer<Screen> &screen : loadedScreens()) {
            auto *timer =
                screen ? screen->findChild<QTimer *>(QStringLiteral("tmrtempo")) : nullptr;
            if (!timer || !timer->isActive())
                continue;
            ticked << screen->name();
            QTimerEvent elapsed(timer->timerId());
            QCoreApplication::sendEvent(timer, &elapsed);
            if (!screen->findChild<QLabel *>(QStringLiteral("lblmess"))->text().isEmpty())
                errors << QStringLiteral("%1: a tick left lblmess showing").arg(screen->name());
        }
        note(QStringLiteral("tick %1").arg(ticked.join(QLatin1Char(' '))));
    }

    void typeAnswer(Screen *screen, QLineEdit *box, int value)
    {
        clickAt(screen, centreOf(screen, box));
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(box, QString::number(value));
    }

    // Reads the task off the screen and answers it right, with clicks and
    // keys; the screen must praise it.
    void answer(Screen *screen, QStringList &errors)
    {
        QString praise;
        QString task;
        if (auto *calc = qobject_cast<frmcalcolo *>(screen)) {
            const int start = calc->lbliniz->text().toInt();
            const int num = calc->lblnum->text().toInt();
            const int den = calc->lblden->text().toInt();
            const int part = den ? start / den : 0;
            task = QStringLiteral("%1/%2 of %3").arg(num).arg(den).arg(start);
            typeAnswer(screen, calc->txtiniz, start);
            typeAnswer(screen, calc->txtden, den);
            typeAnswer(screen, calc->txtsris, part);
            typeAnswer(screen, calc->txtsris2, part);
            typeAnswer(screen, calc->txtnum, num);
            typeAnswer(screen, calc->txtris2, part * num);
            typeAnswer(screen, calc->txtris, part * num);
            praise = QStringLiteral("Bravissimo!");
            clickAt(screen, centreOf(screen, calc->cmdconferma));
        } else if (auto *comp = qobject_cast<frmcomplementare *>(screen)) {
            const int num = comp->lbln->text().toInt();
            const int den = comp->lbld->text().toInt();
            task = QStringLiteral("%1/%2").arg(num).arg(den);
            typeAnswer(screen, comp->txtn1, den - num);
            typeAnswer(screen, comp->txtd1, den);
            typeAnswer(screen, comp->txtn2, den);
            typeAnswer(screen, comp->txtd2, den);
            praise = QStringLiteral("Esatto, complimenti!");
            clickAt(screen, centreOf(screen, comp->cmdconferma));
        } else if (auto *simbolo = qobject_cast<frmsimbolo *>(screen)) {
            for (int p = 0; p < 6; ++p) {
                const int a = simbolo->lbln[p][0]->text().toInt();
                const int b = simbolo->lbld[p][0]->text().toInt();
                const int c = simbolo->lbln[p][1]->text().toInt();
                const int d = simbolo->lbld[p][1]->text().toInt();
                const int cross = a * d - c * b;
                const QString symbol = cross < 0 ? QStringLiteral("<")
                    : cross > 0                  ? QStringLiteral(">")
                                                 : QStringLiteral("=");
                task += QStringLiteral("%1/%2 %3 %4/%5; ").arg(a).arg(b).arg(symbol).arg(c).arg(d);
                clickAt(screen, centreOf(screen, simbolo->txtsim[p]));
                QTest::keyClick(simbolo->txtsim[p], Qt::Key_A, Qt::ControlModifier);
                QTest::keyClicks(simbolo->txtsim[p], symbol);
            }
            praise = QStringLiteral("Bravissimo!");
            clickAt(screen, centreOf(screen, simbolo->cmdconferma));
        } else if (auto *max = qobject_cast<frmmax *>(screen)) {
            int largest = 0;
            for (int k = 1; k < 4; ++k) {
                const int n = max->lbln[k]->text().toInt();
                const int d = max->lbld[k]->text().toInt();
                const int bestN = max->lbln[largest]->text().toInt();
                const int bestD = max->lbld[largest]->text().toInt();
                if (n * bestD > bestN * d)
                    largest = k;
            }
            task = QStringLiteral("largest is number %1").arg(largest + 1);
            clickAt(screen, centreOf(screen, max->sel[largest]));
            praise = QStringLiteral("Esatto, complimenti!");
            clickAt(screen, centreOf(screen, max->cmdconferma));
        } else if (auto *ordine = qobject_cast<frmordine *>(screen)) {
            clickAt(screen, centreOf(screen, ordine->cmdannulla));
            std::array<int, 5> order {0, 1, 2, 3, 4};
            const auto value = [ordine](int k) {
                return Terms {ordine->lbln[k]->text().toInt(), ordine->lbld[k]->text().toInt()};
            };
            const bool descending = ordine->optdecre->isChecked();
            std::sort(order.begin(), order.end(), [&](int x, int y) {
                const Terms a = value(x);
                const Terms b = value(y);
                return descending ? a.num * b.den > b.num * a.den : a.num * b.den < b.num * a.den;
            });
            for (int k : order) {
                task += show(value(k)) + QLatin1Char(' ');
                clickAt(screen, centreOf(screen, ordine->img[k]));
            }
            praise = QStringLiteral("Esatto, complimenti!");
            clickAt(screen, centreOf(screen, ordine->cmdconferma));
        } else if (auto *eq = qobject_cast<frmequivalenti *>(screen)) {
            const ::Fraction e = eq->task().expected();
            task = QStringLiteral("%1/%2 = %3/%4")
                       .arg(eq->task().given.numerator)
                       .arg(eq->task().given.denominator)
                       .arg(e.numerator)
                       .arg(e.denominator);
            typeAnswer(screen, eq->txtn, e.numerator);
            if (eq->txtd->isVisible())
                typeAnswer(screen, eq->txtd, e.denominator);
            praise = QStringLiteral("Esatto, complimenti!");
            clickAt(screen, centreOf(screen, eq->cmdconferma));
        } else if (auto *types = qobject_cast<frmtipi *>(screen)) {
            const FractionType type = types->task().type();
            task = typeName(type);
            praise = QStringLiteral("Esatto, complimenti!");
            clickAt(screen, centreOf(screen, types->cmdtipo[int(type)]));
        } else if (auto *recognise = qobject_cast<frmriconosco *>(screen)) {
            const ::Fraction f = recognise->task().fraction;
            task = QStringLiteral("%1/%2").arg(f.numerator).arg(f.denominator);
            if (recognise->txtn->isVisible()) {
                typeAnswer(screen, recognise->txtn, f.numerator);
                typeAnswer(screen, recognise->txtd, f.denominator);
            } else {
                // The last parts, by the keys: Space on each that is not as it should be.
                const std::vector<QPushButton *> &parts = recognise->disegno->toggles();
                for (std::size_t k = 0; k < parts.size(); ++k) {
                    const bool wanted = int(parts.size() - k) <= f.numerator;
                    if (parts[k]->isChecked() != wanted)
                        parts[k]->toggle();
                }
            }
            praise = QStringLiteral("Esatto, complimenti!");
            clickAt(screen, centreOf(screen, recognise->cmdconferma));
        } else if (auto *intero = qobject_cast<frmintero *>(screen)) {
            const FractionToWholeTask &t = intero->task();
            task = QStringLiteral("%1/%2 are %3").arg(t.num).arg(t.den).arg(t.known());
            const std::array values {t.known(), t.num, t.part, t.part, t.den, t.whole(), t.whole()};
            const std::array boxes {intero->txtnoto,   intero->txtnum, intero->txtparte,
                                    intero->txtparte2, intero->txtden, intero->txtris2,
                                    intero->txtris};
            for (std::size_t k = 0; k < boxes.size(); ++k)
                typeAnswer(screen, boxes[k], values[k]);
            praise = QStringLiteral("Bravissimo!");
            clickAt(screen, centreOf(screen, intero->cmdconferma));
        } else if (auto *decimali = qobject_cast<frmdecimali *>(screen)) {
            const DecimalTask &t = decimali->task();
            task = QStringLiteral("%1/%2").arg(t.numerator).arg(t.denominator);
            QLineEdit *box =
                t.kind == DecimalKind::ToNumber ? decimali->txtnumero : decimali->txtnum;
            clickAt(screen, centreOf(screen, box));
            QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(
                box, t.kind == DecimalKind::ToNumber ? t.number() : QString::number(t.numerator));
            praise = QStringLiteral("Esatto!");
            clickAt(screen, centreOf(screen, decimali->cmdconferma));
        } else if (auto *percentuale = qobject_cast<frmpercentuale *>(screen)) {
            const PercentTask &t = percentuale->task();
            task = QStringLiteral("%1% of %2").arg(t.percent).arg(t.whole);
            if (t.kind == PercentKind::OfNumber) {
                typeAnswer(screen, percentuale->txtris, t.result());
            } else {
                typeAnswer(screen, percentuale->txtcent, t.percent);
                typeAnswer(screen, percentuale->txtnum, t.lowest().numerator);
            }
            praise = QStringLiteral("Esatto, complimenti!");
            clickAt(screen, centreOf(screen, percentuale->cmdconferma));
        } else {
            return;
        }
        ++answersOn[screen->name()];
        const QString said = screen->findChild<QLabel *>(QStringLiteral("lblmess"))->text();
        note(QStringLiteral("answered %1 on %2, it said \"%3\"").arg(task, screen->name(), said));
        if (said != praise)
            errors << QStringLiteral("%1: the right answer to %2 got \"%3\"")
                          .arg(screen->name(), task, said);
    }

    void closeOne()
    {
        const QStringList loaded = registry->loaded();
        const QString name = loaded[roll(0, int(loaded.size()) - 1)];
        note(QStringLiteral("close box of %1").arg(name));
        registry->screen(name)->close();
    }

    void switchWindow()
    {
        const QStringList loaded = registry->loaded();
        Screen *screen = registry->screen(loaded[roll(0, int(loaded.size()) - 1)]);
        note(QStringLiteral("bring %1 to the front").arg(screen->name()));
        QApplication::setActiveWindow(screen);
        randomClick(screen);
    }

    // Everything that must hold whatever the child did.
    void checkScreens(Loaded before, QStringList &errors)
    {
        const Loaded after = loadedNow();
        if (!oneStepFrom(before).count(after))
            errors << QStringLiteral("the open screens went from %1 to %2")
                          .arg(describe(before), describe(after));
        for (QWidget *window : QApplication::topLevelWidgets()) {
            auto *screen = qobject_cast<Screen *>(window);
            if (screen && screen->isVisible() && registry->screen(screen->name()) != screen)
                errors << QStringLiteral("%1 is shown but not loaded").arg(screen->name());
        }
        for (const QPointer<Screen> &screen : loadedScreens()) {
            if (!screen->isVisible())
                errors << QStringLiteral("%1 is loaded but hidden").arg(screen->name());
            if (auto *calc = qobject_cast<frmcalcolo *>(screen))
                checkCalcolo(calc, screen->name() == QLatin1String("frmcalcolo") ? 1000 : 100,
                             errors);
            else if (auto *comp = qobject_cast<frmcomplementare *>(screen))
                checkComplementare(comp, errors);
            else if (auto *simbolo = qobject_cast<frmsimbolo *>(screen))
                checkSimbolo(simbolo, errors);
            else if (auto *max = qobject_cast<frmmax *>(screen))
                checkMax(max, errors);
            else if (auto *ordine = qobject_cast<frmordine *>(screen))
                checkOrdine(ordine, errors);
            else if (qobject_cast<frmintero *>(screen) || qobject_cast<frmdecimali *>(screen)
                     || qobject_cast<frmpercentuale *>(screen))
                checkDecimalWholePercent(static_cast<Exercise *>(screen.data()), errors);
            else if (topicScreenNames().contains(screen->name()))
                checkTopic(static_cast<Exercise *>(screen.data()), errors);
        }
    }

    bool isExercise(Screen *screen) const { return qobject_cast<Exercise *>(screen) != nullptr; }

private slots:
    void initTestCase()
    {
        prepareApplication();
        // The stream presses faster than any child and judges every press;
        // what a double click on Conferma does is tested on its own.
        QGuiApplication::styleHints()->setMouseDoubleClickInterval(0);
        passOn = qInstallMessageHandler(quietAboutToolkitNotes);
        if (const QByteArray given = qgetenv("QUOTELLE_MONKEY_SEED"); !given.isEmpty())
            seed = given.toUInt();
        if (const QByteArray given = qgetenv("QUOTELLE_MONKEY_EVENTS"); !given.isEmpty())
            eventCount = given.toInt();
    }

    void childPlaysForAWhile()
    {
        rng.seed(seed);
        registry = makeRegistry();
        registry->setRandom(std::make_unique<ReplayRandom>(seed));
        for (const char *topic :
             {"riconosco", "tipi", "equivalenti", "decimali", "intero", "percentuale"})
            registry->settingsFile().setOption(QStringLiteral("argomenti/") + QLatin1String(topic),
                                               QStringLiteral("si"));
        registry->start();
        settle();
        for (index = 0; index < eventCount; ++index) {
            if (registry->hasEnded()) {
                note(QStringLiteral("the program ended; start it again"));
                ++restarts;
                registry->start();
                settle();
            }
            const Loaded before = loadedNow();
            QStringList errors;
            Screen *screen = activeScreen();
            eventsOn[screen->name()] += 1;
            const int kind = roll(1, 100);
            if (isExercise(screen) && eventsOn[screen->name()] % answerEvery == 0) {
                answer(screen, errors);
            } else if (kind <= 34) {
                randomClick(screen);
            } else if (kind <= 64) {
                randomKey(screen);
            } else if (kind <= 78) {
                randomTyping(screen);
            } else if (kind <= 84) {
                randomPaste(screen);
            } else if (kind <= 92) {
                tick(errors);
            } else if (kind <= 93) {
                closeOne();
            } else {
                switchWindow();
            }
            finishAnimatedClicks(loadedScreens());
            settle(false);
            // The window manager activates a screen as soon as it is shown.
            const Loaded shown = loadedNow() & ~before;
            if (shown && !(shown & (shown - 1)))
                QApplication::setActiveWindow(
                    registry->screen(allScreens()[std::countr_zero(shown)]));
            checkScreens(before, errors);
            if (!errors.isEmpty())
                QFAIL(qPrintable(report(errors)));
        }
        QStringList visits;
        for (const QString &name : allScreens())
            visits << QStringLiteral("%1 %2").arg(name).arg(eventsOn[name]);
        qInfo("seed %u, %d events, %d restarts; events by screen: %s", seed, eventCount, restarts,
              qPrintable(visits.join(QLatin1String(", "))));
        // A full-length stream gives every screen its share of the abuse and
        // answers every exercise right now and then; a short replay need not.
        if (eventCount < defaultEvents)
            return;
        // The topics' screens lie one screen further from the menu, and share
        // the choice screen among ten: a smaller share each.
        for (const QString &name : allScreens())
            QVERIFY2(
                eventsOn[name]
                    >= (fullShares ? eventCount / (screenNames().contains(name) ? 200 : 2000) : 1),
                qPrintable(name));
        for (const char *name : {"frmcalcolo99", "frmcalcolo", "frmcomplementare", "frmsimbolo",
                                 "frmmax", "frmordine", "frmriconosco", "frmtipi", "frmequivalenti",
                                 "frmdecimali", "frmintero99", "frmintero", "frmpercentuale"})
            QVERIFY2(answersOn[name] > 0, name);
    }

    void cleanupTestCase()
    {
        registry.reset();
        flushUnloaded();
    }
};

QTEST_MAIN(MonkeyTest)
#include "tst_monkey.moc"
