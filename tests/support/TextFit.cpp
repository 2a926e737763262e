#include "TextFit.h"

#include "controls/CSoundButton.h"
#include "platform/widgets/DialogUnits.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <QTextDocument>
#include <QToolButton>

namespace
{
// The text as drawn: a mnemonic's "&" takes no room, "&&" is one "&".
QString drawn(const QString& text)
{
    QString shown;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == u'&' && i + 1 < text.size()) {
            ++i;
        }
        shown += text.at(i);
    }
    return shown;
}

int advance(const QWidget& widget, const QString& text)
{
    return widget.fontMetrics().horizontalAdvance(drawn(text));
}

struct Report
{
    QStringList lines;
    void check(const QWidget& widget, const QString& text, int needs, int has)
    {
        if (needs > has) {
            lines << QStringLiteral("%1 %2: \"%3\" (needs %4, has %5)")
                         .arg(QString::fromLatin1(widget.metaObject()->className()), widget.objectName(), text)
                         .arg(needs)
                         .arg(has);
        }
    }
};

void checkLabel(Report& report, const QLabel& label)
{
    if (label.text().isEmpty()) {
        return;
    }
    if (label.wordWrap() || Qt::mightBeRichText(label.text())) {
        // Lines may wrap: the text fits when all its lines have the height.
        if (label.wordWrap()) {
            report.check(label, label.text(), label.heightForWidth(label.width()), label.height());
        }
        report.check(label, label.text(), label.minimumSizeHint().width(), label.width());
        return;
    }
    const QMargins margins = label.contentsMargins();
    const int needs = advance(label, label.text()) + margins.left() + margins.right() + 2 * label.margin()
                      + std::max(label.indent(), 0);
    report.check(label, label.text(), needs, label.width());
}

void checkButton(Report& report, const QAbstractButton& button)
{
    if (button.text().isEmpty()) {
        return;
    }
    int needs = 0;
    if (const auto* sound = qobject_cast<const CSoundButton*>(&button)) {
        needs = advance(button, button.text()) + 2 * DialogUnits::px(sound->margin() + 2);
    } else if (qobject_cast<const QPushButton*>(&button) != nullptr) {
        const QStyle* style = button.style();
        needs = advance(button, button.text())
                + 2
                      * (style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, &button) / 2
                         + style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &button));
        if (!button.icon().isNull()) {
            needs += button.iconSize().width() + 4;
        }
    } else {
        // Check boxes, radio buttons and tool buttons add no minimum of
        // their own to what their text and indicator need.
        needs = button.sizeHint().width();
    }
    report.check(button, button.text(), needs, button.width());
}

void checkCombo(Report& report, const QComboBox& combo)
{
    QStyleOptionComboBox option;
    option.initFrom(&combo);
    option.editable = combo.isEditable();
    option.frame = combo.hasFrame();
    const int field =
        combo.style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &combo).width();
    // An editable box scrolls what is typed; a list shows each entry whole.
    const int count = combo.isEditable() ? 0 : combo.count();
    for (int i = 0; i < count; ++i) {
        const int icon = combo.itemIcon(i).isNull() ? 0 : combo.iconSize().width() + 4;
        report.check(combo, combo.itemText(i), combo.fontMetrics().horizontalAdvance(combo.itemText(i)) + icon, field);
    }
}

void checkTabs(Report& report, const QTabBar& bar)
{
    const int space = bar.style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, &bar);
    for (int i = 0; i < bar.count(); ++i) {
        const QRect tab = bar.tabRect(i);
        // A tab scrolled out of sight is not cut; an elided one says so.
        if (!bar.rect().contains(tab) || bar.elideMode() != Qt::ElideNone) {
            continue;
        }
        report.check(bar, bar.tabText(i), advance(bar, bar.tabText(i)) + space, tab.width());
    }
}

void checkHeadings(Report& report, const QHeaderView& header)
{
    const int margin = header.style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, &header);
    for (int section = 0; section < header.count(); ++section) {
        if (header.isSectionHidden(section)) {
            continue;
        }
        const QString text = header.model()->headerData(section, header.orientation()).toString();
        if (header.orientation() == Qt::Horizontal) {
            report.check(header, text, advance(header, text) + 2 * margin, header.sectionSize(section));
        }
    }
}
} // namespace

QStringList TextFit::cutTexts(const QWidget& window)
{
    Report report;
    QList<const QWidget*> widgets{&window};
    for (const QWidget* child : window.findChildren<QWidget*>()) {
        widgets << child;
    }
    for (const QWidget* widget : widgets) {
        if (widget != &window && !widget->isVisibleTo(&window)) {
            continue;
        }
        if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            checkLabel(report, *label);
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            checkButton(report, *button);
        } else if (const auto* combo = qobject_cast<const QComboBox*>(widget)) {
            checkCombo(report, *combo);
        } else if (const auto* bar = qobject_cast<const QTabBar*>(widget)) {
            checkTabs(report, *bar);
        } else if (const auto* header = qobject_cast<const QHeaderView*>(widget)) {
            checkHeadings(report, *header);
        } else if (const auto* group = qobject_cast<const QGroupBox*>(widget)) {
            const int indicator = group->isCheckable() ? group->style()->pixelMetric(QStyle::PM_IndicatorWidth) + 6 : 0;
            report.check(*group, group->title(), advance(*group, group->title()) + indicator + 12, group->width());
        }
    }
    return report.lines;
}
