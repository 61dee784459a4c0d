// SPDX-License-Identifier: GPL-3.0-or-later
#include "TrayPanel.h"

#include "app/AppModel.h"
#include "overview/HealthCard.h"
#include "widgets/AppIconView.h"
#include "widgets/ElidedLabel.h"
#include "widgets/Icons.h"
#include "widgets/Style.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWindow>

namespace openwright::ui {

using namespace Qt::Literals::StringLiterals;

namespace {

// A capsule behind a short text: the health figure.
class Pill final : public QLabel
{
public:
    explicit Pill(QWidget* parent)
        : QLabel(parent)
    {
        QFont f = Style::font(Style::Text::caption, font());
        f.setWeight(QFont::DemiBold);
        setFont(f);
        setTextFormat(Qt::PlainText);
        setAlignment(Qt::AlignCenter);
        setContentsMargins(Style::spacing(), Style::spacing() / 4, Style::spacing(), Style::spacing() / 4);
    }

    void setTone(Style::Tone tone)
    {
        m_tone = tone;
        Style::setTone(this, tone);
        update();
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        QColor fill = Style::color(m_tone, palette());
        fill.setAlphaF(Style::isDark(palette()) ? 0.22 : 0.14);
        p.setPen(Qt::NoPen);
        p.setBrush(fill);
        const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
        p.drawRoundedRect(r, r.height() / 2, r.height() / 2);
        p.end();
        QLabel::paintEvent(event);
    }

private:
    Style::Tone m_tone = Style::Tone::secondary;
};

// A borderless icon-only button whose glyph takes the text colour, so it reads on any panel
// whatever the icon theme draws.
class SymbolButton final : public QToolButton
{
public:
    SymbolButton(const QString& symbol, const QString& tooltip, QWidget* parent)
        : QToolButton(parent)
        , m_symbol(symbol)
    {
        setToolTip(tooltip);
        setAccessibleName(tooltip);
        setAutoRaise(true);
        setFocusPolicy(Qt::StrongFocus);
        paintSymbol();
    }

protected:
    void changeEvent(QEvent* event) override
    {
        QToolButton::changeEvent(event);
        if (event->type() == QEvent::PaletteChange)
            paintSymbol();
    }

private:
    void paintSymbol()
    {
        const QPixmap glyph
            = Icons::tinted(m_symbol, palette().color(QPalette::ButtonText), iconSize().width(), devicePixelRatioF());
        setIcon(glyph.isNull() ? Icons::symbol(m_symbol) : QIcon(glyph));
    }

    QString m_symbol;
};

} // namespace

TrayPanel::TrayPanel(AppModel& model, QWidget* parent)
    : QFrame(parent, Qt::Popup)
    , m_model(model)
    // Only a compositor draws the corners see-through: Wayland always has one; on X11 it is
    // not known, and a square panel beats black corners.
    , m_rounded(QGuiApplication::platformName().startsWith(u"wayland"_s))
{
    setWindowTitle(tr("Openwright"));
    setAccessibleName(tr("Openwright"));
    setObjectName(u"trayPanel"_s);
    setAccessibleName(tr("Openwright"));
    if (m_rounded)
        setAttribute(Qt::WA_TranslucentBackground);
    setFixedWidth(Style::spacing(40));

    auto* column = new QVBoxLayout(this);
    const int pad = Style::spacing(2);
    column->setContentsMargins(pad, pad, pad, Style::spacing(1) + Style::spacing() / 2);
    column->setSpacing(Style::spacing());
    column->addLayout(buildHeader());
    m_guard = new IconLabel(this);
    column->addWidget(m_guard);
    column->addWidget(buildChanges());
    column->addSpacing(Style::spacing() / 2);
    column->addWidget(new Divider(this));
    column->addLayout(buildFooter());

    connect(&m_model, &AppModel::statesChanged, this, &TrayPanel::updateHealth);
    connect(&m_model, &AppModel::guardStateChanged, this, [this] {
        updateGuard();
        updateChanges();
    });
    connect(&m_model, &AppModel::settingsChanged, this, &TrayPanel::updateGuard);
    connect(&m_model, &AppModel::resultsChanged, this, &TrayPanel::updateOutcomes);
    // Where the panel becomes a window of its own (Wayland, without a parent to pop up from),
    // no pointer grab closes it: losing the focus it had does.
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* focus) {
        if (focus && focus == windowHandle())
            m_hadFocus = true;
        else if (m_hadFocus && isVisible())
            close();
    });
    updateHealth();
    updateGuard();
    updateChanges();
}

QLayout* TrayPanel::buildHeader()
{
    auto* row = new QHBoxLayout;
    row->setSpacing(Style::spacing());
    row->addWidget(Style::label(tr("Openwright"), Style::Text::headline, Style::Tone::normal, this));
    row->addStretch(1);
    m_health = new Pill(this);
    m_health->setObjectName(u"healthPill"_s);
    row->addWidget(m_health);
    return row;
}

QWidget* TrayPanel::buildChanges()
{
    m_changesSection = new QWidget(this);
    auto* column = new QVBoxLayout(m_changesSection);
    column->setContentsMargins(0, Style::spacing() / 2, 0, 0);
    column->setSpacing(Style::spacing());
    column->addWidget(new Divider(m_changesSection));
    column->addWidget(Style::label(tr("Recent changes"), Style::Text::caption, Style::Tone::secondary, this));
    m_changeRows = new QVBoxLayout;
    m_changeRows->setSpacing(Style::spacing() / 2);
    column->addLayout(m_changeRows);
    return m_changesSection;
}

QLayout* TrayPanel::buildFooter()
{
    auto* row = new QHBoxLayout;
    row->setSpacing(Style::spacing() / 2);
    auto* open = new QPushButton(tr("Open Openwright"), this);
    open->setDefault(true);
    connect(open, &QPushButton::clicked, this, [this] {
        close();
        Q_EMIT openRequested();
    });
    row->addWidget(open);
    row->addStretch(1);

    auto* check = new SymbolButton(u"arrow.clockwise"_s, tr("Check now"), this);
    check->setObjectName(u"checkNow"_s);
    connect(check, &QToolButton::clicked, this, [this] { m_model.checkGuard(); });
    row->addWidget(check);
    auto* settings = new SymbolButton(u"gearshape"_s, tr("Settings"), this);
    connect(settings, &QToolButton::clicked, this, [this] {
        close();
        Q_EMIT settingsRequested();
    });
    row->addWidget(settings);
    auto* quit = new SymbolButton(u"power"_s, tr("Quit Openwright"), this);
    connect(quit, &QToolButton::clicked, this, [this] {
        close();
        Q_EMIT quitRequested();
    });
    row->addWidget(quit);
    m_footer = {open, check, settings, quit};
    return row;
}

void TrayPanel::updateHealth()
{
    const int score = m_model.health().score;
    m_health->setText(tr("Health %1").arg(score));
    static_cast<Pill*>(m_health)->setTone(healthTone(score));
}

void TrayPanel::updateGuard()
{
    if (m_model.guardEnabled()) {
        m_guard->set(u"shield.lefthalf.filled"_s,
                     tr("Guard is watching %n pinned defaults", nullptr, int(m_model.guardState().pinned.size())),
                     Style::Tone::normal, Style::Text::callout);
    } else {
        m_guard->set(u"shield.slash"_s, tr("Default Guard is off"), Style::Tone::secondary, Style::Text::callout);
    }
}

void TrayPanel::updateChanges()
{
    const QList<DefaultChange> all = m_model.unresolvedChanges();
    const QList<DefaultChange> changes = all.first(qMin(all.size(), qsizetype(kMaxChanges)));
    QList<QUuid> ids;
    for (const DefaultChange& c : changes)
        ids.append(c.id);
    m_changesSection->setVisible(!changes.isEmpty());
    if (ids == m_shownChanges) {
        updateOutcomes();
        return;
    }
    m_shownChanges = ids;
    while (QLayoutItem* item = m_changeRows->takeAt(0)) {
        if (QWidget* w = item->widget()) {
            w->hide();
            w->deleteLater();
        }
        delete item;
    }
    m_lines.clear();
    QList<QWidget*> chain;
    for (const DefaultChange& change : changes) {
        ChangeLine line {change.id, change.target, new QWidget(m_changesSection), nullptr, nullptr};
        line.row->setObjectName(u"recentChange"_s);
        auto* column = new QVBoxLayout(line.row);
        column->setContentsMargins(0, 0, 0, 0);
        column->setSpacing(0);
        auto* row = new QHBoxLayout;
        row->setSpacing(Style::spacing());
        auto* icon = new AppIconView(m_model, 18, line.row);
        icon->setApp(change.to);
        row->addWidget(icon);
        const QString name = change.to ? change.to->name : tr("none");
        auto* text = ElidedLabel::make(change.target.description() + u": "_s + name, Style::Text::callout,
                                       Style::Tone::normal, line.row);
        row->addWidget(text, 1);
        if (change.from) {
            line.revert = new QToolButton(line.row);
            line.revert->setText(tr("Revert"));
            line.revert->setObjectName(u"revert"_s);
            line.revert->setFont(Style::font(Style::Text::caption, font()));
            line.revert->setFocusPolicy(Qt::StrongFocus);
            line.revert->setAccessibleName(tr("Revert %1 to %2").arg(change.target.description(), change.from->name));
            const QUuid id = change.id;
            QToolButton* revert = line.revert;
            connect(revert, &QToolButton::clicked, this, [this, revert, id] {
                // No second press while it runs. A revert that could not be done leaves the row,
                // and the button comes back beside its outcome.
                revert->setEnabled(false);
                m_asked.insert(id);
                continueOn(revert, m_model.revert(id), [this, revert] {
                    revert->setEnabled(true);
                    updateOutcomes();
                });
            });
            row->addWidget(revert);
            chain.append(revert);
        }
        column->addLayout(row);
        line.outcome = new IconLabel(line.row, IconLabel::Lines::elide);
        line.outcome->setObjectName(u"outcome"_s);
        line.outcome->hide();
        column->addWidget(line.outcome);
        m_changeRows->addWidget(line.row);
        m_lines.append(line);
    }
    // The rows are newer than the buttons below them; Tab goes top to bottom all the same.
    chain += m_footer;
    for (qsizetype i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
    updateOutcomes();
}

void TrayPanel::updateOutcomes()
{
    for (const ChangeLine& line : std::as_const(m_lines)) {
        const auto result = m_model.results().constFind(line.target);
        if (!m_asked.contains(line.id) || m_model.pending().contains(line.target) || result == m_model.results().cend()
            || result->isSuccess()) {
            line.outcome->clear();
            continue;
        }
        const Style::Tone tone
            = result->kind() == ChangeResult::Case::Declined ? Style::Tone::secondary : Style::Tone::danger;
        line.outcome->set(u"exclamationmark.circle.fill"_s, result->message(), tone);
    }
    if (isVisible())
        fitHeight();
}

void TrayPanel::fitHeight()
{
    layout()->activate();
    resize(width(), hasHeightForWidth() ? heightForWidth(width()) : sizeHint().height());
}

void TrayPanel::popUp(const QRect& anchor)
{
    m_anchor = anchor;
    // Polished, the texts have their final fonts: the first opening is placed from the size it
    // shows at, not from a smaller one measured before.
    ensurePolished();
    fitHeight();
    place();
    m_footer.first()->setFocus(Qt::PopupFocusReason);
    show();
    raise();
    activateWindow();
}

void TrayPanel::place()
{
    const QScreen* screen = QGuiApplication::screenAt(m_anchor.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(m_anchor.topLeft(), size());
    const int gap = Style::spacing() / 2;
    QPoint at(m_anchor.center().x() - width() / 2, m_anchor.bottom() + gap);
    if (at.y() + height() > area.bottom())
        at.setY(m_anchor.top() - height() - gap);
    at.setX(qBound(area.left(), at.x(), area.right() - width()));
    at.setY(qBound(area.top(), at.y(), area.bottom() - height()));
    move(at);
}

void TrayPanel::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    // A panel that grows while open (a row's outcome, a late layout) stays on its screen.
    if (isVisible() && m_anchor.isValid())
        place();
}

void TrayPanel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QPalette pal = palette();
    QColor border = pal.color(QPalette::WindowText);
    border.setAlphaF(Style::isDark(pal) ? 0.22 : 0.18);
    border = Style::over(border, pal.color(QPalette::Window));
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal radius = m_rounded ? Style::spacing() * 1.2 : 0;
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    p.fillPath(path, pal.color(QPalette::Window));
    p.setPen(QPen(border, 1));
    p.drawPath(path);
}

void TrayPanel::hideEvent(QHideEvent* event)
{
    m_hadFocus = false;
    QFrame::hideEvent(event);
}

void TrayPanel::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QFrame::keyPressEvent(event);
}

} // namespace openwright::ui
