// SPDX-License-Identifier: GPL-3.0-or-later
#include "ApplicationPage.h"

#include "app/AppModel.h"
#include "widgets/AppIconView.h"
#include "widgets/Icons.h"
#include "widgets/RowList.h"
#include "widgets/Style.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace openwright::ui {

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int kIconSize = 48;

} // namespace

void takeDown(QBoxLayout* layout)
{
    while (QLayoutItem* item = layout->takeAt(0)) {
        if (QWidget* w = item->widget()) {
            w->hide();
            w->deleteLater();
        }
        delete item;
    }
}

ApplicationPage::ApplicationPage(AppModel& model, QWidget* parent)
    : QWidget(parent)
    , m_model(model)
    , m_column(new QVBoxLayout(this))
{
    setObjectName(u"applicationPage"_s);
    m_column->setContentsMargins(0, 0, 0, 0);
    m_column->setSpacing(Style::spacing(2));
    connect(&m_model, &AppModel::applicationsChanged, this, &ApplicationPage::rebuild);
}

void ApplicationPage::show(const QUrl& app)
{
    m_app = app;
    rebuild();
}

void ApplicationPage::rebuild()
{
    setUpdatesEnabled(false);
    takeDown(m_column);
    m_useForAll = nullptr;
    m_empty = nullptr;
    m_familyButtons.clear();
    m_familyStatus.clear();
    m_lines.clear();
    m_marked.clear();
    m_buttonSize = QSize();
    if (const InstalledApp* app = m_model.applicationIndex().app(m_app)) {
        m_column->addWidget(buildHeader(*app));
        if (app->declared.isEmpty()) {
            m_empty = Style::label(tr("%1 declares no types in its desktop entry, so Openwright sets it for none. You "
                                      "can still choose it for a type from that type's list.")
                                       .arg(app->shownName),
                                   Style::Text::callout, Style::Tone::secondary, this);
            m_empty->setObjectName(u"noTypes"_s);
            m_empty->setWordWrap(true);
            m_column->addWidget(m_empty);
        }
        for (TypeFamily family : TypeFamilies::allCases()) {
            const QList<DeclaredType> lines = app->declaredIn(family);
            if (!lines.isEmpty())
                m_column->addWidget(buildFamily(*app, family, lines));
        }
    }
    m_column->addStretch(1);
    setUpdatesEnabled(true);
}

QWidget* ApplicationPage::buildHeader(const InstalledApp& app)
{
    auto* header = new QWidget(this);
    auto* row = new QHBoxLayout(header);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(Style::spacing(2));
    auto* icon = new AppIconView(m_model, kIconSize, header);
    icon->setApp(app.app);
    row->addWidget(icon, 0, Qt::AlignTop);
    auto* text = new QVBoxLayout;
    text->setSpacing(Style::spacing() / 4);
    // The texts wrap: a long name or a long translation never widens the page past its window.
    auto* name = Style::label(app.shownName, Style::Text::title, Style::Tone::normal, header);
    name->setObjectName(u"appName"_s);
    name->setWordWrap(true);
    text->addWidget(name);
    const int count = m_model.applicationIndex().defaultCount(app.app.url);
    const qsizetype declared = app.declared.size();
    // Plurals by the language's own rules: French says "0 type", Polish has three forms.
    const QString declares = tr("Declares %n types", nullptr, int(declared));
    const QString opens = tr("default for %n types", nullptr, count);
    auto* counts = Style::label(declares + u", "_s + opens, Style::Text::callout, Style::Tone::secondary, header);
    counts->setWordWrap(true);
    text->addWidget(counts);
    row->addLayout(text, 1);
    m_useForAll = new QPushButton(tr("Use for All"), header);
    m_useForAll->setObjectName(u"useForAll"_s);
    m_useForAll->setToolTip(tr("Make %1 the default for every type it declares").arg(app.shownName));
    m_useForAll->setEnabled(!app.declared.isEmpty());
    connect(m_useForAll, &QPushButton::clicked, this, [this] { Q_EMIT useForRequested(std::nullopt); });
    row->addWidget(m_useForAll, 0, Qt::AlignTop);
    return header;
}

QWidget* ApplicationPage::buildFamily(const InstalledApp& app, TypeFamily family, const QList<DeclaredType>& lines)
{
    auto* section = new QWidget(this);
    auto* column = new QVBoxLayout(section);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(Style::spacing());
    auto* head = new QHBoxLayout;
    head->addWidget(Style::label(TypeFamilies::title(family), Style::Text::title, Style::Tone::normal, section));
    int set = 0;
    for (const DeclaredType& line : lines)
        set += m_model.applicationIndex().isDefault(app.app.url, line.type) ? 1 : 0;
    auto* status = Style::label(tr("%1 of %2 open in %3").arg(set).arg(lines.size()).arg(app.shownName),
                                Style::Text::caption, Style::Tone::secondary, section);
    status->setWordWrap(true);
    m_familyStatus.insert(family, status);
    head->addWidget(status, 1);
    auto* button = new QPushButton(tr("Use for All %1").arg(Style::literal(TypeFamilies::title(family))), section);
    button->setEnabled(set < lines.size());
    connect(button, &QPushButton::clicked, this, [this, family] { Q_EMIT useForRequested(family); });
    m_familyButtons.insert(family, button);
    head->addWidget(button);
    column->addLayout(head);
    auto* list = new RowList(section);
    for (const DeclaredType& line : lines)
        list->addRow(buildLine(app, line, list));
    column->addWidget(list);
    return section;
}

namespace {

// One declared type: its title over its MIME type, and what opens it now or the mark that this
// application does, over where that answer comes from. Painted in one widget, since a media
// player declares two hundred types.
class TypeLine final : public QWidget
{
public:
    TypeLine(const DeclaredType& line, QString opensIn, QString source, bool marked, QWidget* parent)
        : QWidget(parent)
        , m_title(line.title)
        , m_type(line.type)
        , m_opensIn(std::move(opensIn))
        , m_source(std::move(source))
        , m_marked(marked)
    {
        m_caption = Style::font(Style::Text::caption, font());
        const int lines = fontMetrics().height() + QFontMetrics(m_caption).height();
        setMinimumHeight(lines + Style::spacing(2));
        setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        setAccessibleName(line.title);
        setAccessibleDescription(m_source.isEmpty() ? m_opensIn : m_opensIn + u", "_s + m_source);
    }
    QSize sizeHint() const override { return {Style::spacing(40), minimumHeight()}; }
    // The button at the right end of the line, sized once for all the lines of a page.
    void setButton(QWidget* button, QSize size)
    {
        m_button = button;
        m_button->resize(size);
        m_reserved = size.width() + Style::spacing();
    }

protected:
    void resizeEvent(QResizeEvent*) override
    {
        if (m_button)
            m_button->move(width() - Style::spacing(2) - m_button->width(), (height() - m_button->height()) / 2);
    }
    // Laid out in absolute positions, the mark beside its text: in a right-to-left window too,
    // where the painter would otherwise move the texts and leave the mark over them.
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        const QRect area
            = rect().adjusted(Style::spacing(2), Style::spacing(), -Style::spacing(2) - m_reserved, -Style::spacing());
        const QFontMetrics body = fontMetrics();
        const QFontMetrics caption(m_caption);
        const int right = std::min(area.width() / 2,
                                   std::max(caption.horizontalAdvance(m_opensIn), caption.horizontalAdvance(m_source))
                                       + Style::spacing(3));
        const QRect names = area.adjusted(0, 0, -right - Style::spacing(), 0);
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(names.left(), names.top() + body.ascent(), body.elidedText(m_title, Qt::ElideRight, names.width()));
        p.setFont(m_caption);
        const QColor secondary = Style::color(Style::Tone::secondary, palette());
        p.setPen(secondary);
        p.drawText(names.left(), names.top() + body.height() + caption.ascent(),
                   caption.elidedText(m_type, Qt::ElideRight, names.width()));
        QRect opens(area.right() - right, area.top(), right, area.height());
        if (!m_source.isEmpty()) {
            const QRect below = opens.adjusted(0, body.height(), 0, 0);
            opens.setHeight(body.height());
            p.setPen(secondary);
            p.drawText(below, Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignTop,
                       caption.elidedText(m_source, Qt::ElideRight, right));
        }
        if (m_marked) {
            const int size = caption.height();
            const QPixmap check = Icons::tinted(
                u"checkmark.circle.fill"_s, Style::color(Style::Tone::success, palette()), size, devicePixelRatioF());
            const int textWidth = caption.horizontalAdvance(m_opensIn);
            const int x = opens.right() - textWidth - size - Style::spacing() / 2;
            p.drawPixmap(x, opens.center().y() - size / 2, check);
            p.setPen(Style::color(Style::Tone::success, palette()));
        }
        p.drawText(opens, Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter,
                   caption.elidedText(m_opensIn, Qt::ElideLeft, right));
    }

private:
    QString m_title;
    QString m_type;
    QString m_opensIn;
    QString m_source;
    bool m_marked;
    QFont m_caption;
    QWidget* m_button = nullptr;
    int m_reserved = 0;
};

} // namespace

QWidget* ApplicationPage::buildLine(const InstalledApp& app, const DeclaredType& line, QWidget* parent)
{
    const auto current = m_model.applicationIndex().currentDefault(line.type);
    const auto source = m_model.applicationIndex().source(line.type);
    const bool marked = current && current->url == app.app.url;
    auto* row = new TypeLine(line,
                             marked        ? tr("Default")
                                 : current ? current->name
                                           : tr("No application"),
                             current && source ? sourceText(*source) : QString(), marked, parent);
    if (!marked) {
        auto* use = new QToolButton(row);
        use->setText(tr("Use for This Type"));
        use->setObjectName(u"useForType"_s);
        use->setAccessibleName(tr("Use %1 for %2").arg(app.shownName, line.type));
        use->setAutoRaise(true);
        const QUrl url = app.app.url;
        connect(use, &QToolButton::clicked, this, [this, url, line] { m_model.useForType(url, line); });
        if (!m_buttonSize.isValid())
            m_buttonSize = use->sizeHint();
        row->setButton(use, m_buttonSize);
    }
    m_lines.insert(line.type, row);
    m_marked.insert(line.type, marked);
    return row;
}

QString ApplicationPage::familyStatus(TypeFamily family) const
{
    const QLabel* label = m_familyStatus.value(family);
    return label ? label->text() : QString();
}

bool ApplicationPage::isMarked(const QString& type) const
{
    return m_marked.value(type);
}

QToolButton* ApplicationPage::useForTypeButton(const QString& type) const
{
    const QWidget* line = m_lines.value(type);
    return line ? line->findChild<QToolButton*>(u"useForType"_s) : nullptr;
}

QString ApplicationPage::emptyText() const
{
    return m_empty ? m_empty->text() : QString();
}

} // namespace openwright::ui
