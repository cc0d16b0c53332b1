#include "settings/PreferencesFrm.h"

#include "core/Errors.h"
#include "core/TimeText.h"
#include "core/WorkingTimeRules.h"
#include "settings/DataMod.h"
#include "ui/NamedWidgets.h"
#include "ui/TimeEdit.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>

#include <algorithm>

using namespace Qt::StringLiterals;

// The "Working Time" page: the rule set and each of its values. Choosing a
// set shows its values; OK stores a value only where it differs from the
// set's own, so that a value left alone follows the set.

namespace {

constexpr std::size_t WeeksValue = 8; // RuleValues()[8]: AverageWeeks, a number of weeks

const TRuleSetId RuleSets[] = { TRuleSetId::Off, TRuleSetId::Eu, TRuleSetId::Germany, TRuleSetId::France };

} // namespace

void TPreferencesForm::CreateRulesPage()
{
    auto *gbRules = NewPage(pcPreferences, u"tsWorkingTime"_s, tr("Workin&g Time"), u"gbWorkingTime"_s,
        tr(" Working-Time Rules "));
    cbWorkingTimeRules = new QComboBox(gbRules);
    cbWorkingTimeRules->setObjectName(u"cbWorkingTimeRules"_s);
    for (const TRuleSetId set : RuleSets)
        cbWorkingTimeRules->addItem(RuleSetName(set));
    Bind(
        cbWorkingTimeRules,
        [this] {
            cbWorkingTimeRules->setCurrentIndex(m_data.WorkingTimeRules());
            cbWorkingTimeRulesChange();
        },
        [this] { m_data.SetWorkingTimeRules(cbWorkingTimeRules->currentIndex()); });

    CreateRuleFields(gbRules);
    LayOutRulesPage(gbRules);
    connect(cbWorkingTimeRules, &QComboBox::activated, this, [this] {
        const TWorkingTimeRules rules = TWorkingTimeRules::Of(RuleSets[cbWorkingTimeRules->currentIndex()]);
        const auto &values = RuleValues();
        for (std::size_t i = 0; i < values.size(); ++i)
            ShowRuleValue(i, rules.*values[i].member);
        cbWorkingTimeRulesChange();
    });
}

void TPreferencesForm::ShowRuleValue(std::size_t value, int shown)
{
    if (value == WeeksValue)
        m_ruleFields[qsizetype(value)]->setText(QString::number(shown));
    else
        static_cast<TTimeEdit *>(m_ruleFields[qsizetype(value)])->SetAsMinutes(shown);
}

void TPreferencesForm::CreateRuleFields(QWidget *page)
{
    const auto &values = RuleValues();
    static const char16_t *const names[] = { u"teRuleDailyRest", u"teRuleBreakAfter", u"teRuleBreak",
        u"teRuleLongBreakAfter", u"teRuleLongBreak", u"teRuleDailyMaximum", u"teRuleWeeklyMaximum",
        u"teRuleAverageWeeklyMaximum", u"edRuleAverageWeeks", u"teRuleWeeklyRest" };
    // Made in the order the page shows them, which is the tab order: each
    // break before the work it needs.
    m_ruleFields = QList<QLineEdit *>(qsizetype(values.size()), nullptr);
    for (const std::size_t i : std::initializer_list<std::size_t> { 0, 2, 1, 4, 3, 5, 6, 7, 8, 9 }) {
        QLineEdit *field = nullptr;
        if (i == WeeksValue) {
            field = new QLineEdit(page);
            field->setObjectName(QString::fromUtf16(names[i]));
            field->setMaxLength(2);
            field->setFixedWidth(QFontMetrics(field->font()).horizontalAdvance(u"000"_s) + 12);
        } else {
            field = NewIntervalField(QString::fromUtf16(names[i]), page);
        }
        const TRuleValue value = values[i];
        Bind(
            field, [this, value, i] { ShowRuleValue(i, WorkingTimeRulesOf(m_data).*value.member); },
            [this, field, value, i] {
                const TRuleSetId set = RuleSets[cbWorkingTimeRules->currentIndex()];
                const int shown = i == WeeksValue ? ParseDecimalInt(field->text())
                                                  : MinutesOf(static_cast<TTimeEdit *>(field));
                const bool own = set == TRuleSetId::Off || shown == TWorkingTimeRules::Of(set).*value.member;
                m_data.Assign(
                    value.setting, TSettingValue(std::in_place_type<int>, own ? FromRuleSet : shown));
            });
        connect(field, &QLineEdit::textChanged, this, &TPreferencesForm::Validate);
        m_ruleFields[qsizetype(i)] = field;
    }
}

void TPreferencesForm::LayOutRulesPage(QWidget *page)
{
    auto *layout = new QGridLayout(page);
    int row = 0;
    // A row of the page: its label, then its controls and words side by side.
    const auto addRow = [&](QLabel *label, std::initializer_list<QWidget *> controls) {
        layout->addWidget(label, row, 0);
        auto *line = new QHBoxLayout;
        for (QWidget *control : controls)
            line->addWidget(control);
        line->addStretch();
        layout->addLayout(line, row++, 1);
    };
    const auto label = [&](const QString &name, const QString &caption, QWidget *buddy = nullptr) {
        return NewLabel(name, caption, buddy, page);
    };
    QList<QLineEdit *> &f = m_ruleFields;
    addRow(label(u"laWorkingTimeRules"_s, tr("Rule &set"), cbWorkingTimeRules), { cbWorkingTimeRules });
    addRow(label(u"laRuleDailyRest"_s, tr("Daily &rest"), f[0]),
        { f[0], label(u"laRuleDailyRestUnit"_s, tr("at least")) });
    for (const int first : { 1, 3 }) {
        m_breakWords.append(label(u"laRuleBreakWords%1"_s.arg(first), QString()));
        addRow(first == 1 ? label(u"laRuleBreak"_s, tr("Brea&k"), f[2])
                          : label(u"laRuleLongBreak"_s, tr("&Longer break"), f[4]),
            { f[first + 1], m_breakWords.last(), f[first],
                label(u"laRuleOfWork%1"_s.arg(first), tr("of work")) });
        f[first]->setAccessibleName(
            tr("%1, after work of").arg(AccessibleText(f[first + 1]->accessibleName())));
    }
    addRow(label(u"laRuleDailyMaximum"_s, tr("Daily ma&ximum"), f[5]), { f[5] });
    addRow(label(u"laRuleWeeklyMaximum"_s, tr("Weekly maxi&mum"), f[6]),
        { f[6], label(u"laRuleAnyWeek"_s, tr("in any week")) });
    addRow(label(u"laRuleAverageWeeklyMaximum"_s, tr("&Average week at most"), f[7]),
        { f[7], label(u"laRuleOver"_s, tr("over")), f[8], label(u"laRuleWeeks"_s, tr("weeks")) });
    f[8]->setAccessibleName(tr("Weeks the average is taken over"));
    addRow(label(u"laRuleWeeklyRest"_s, tr("Weekly r&est"), f[9]), { f[9] });
    auto *note = label(u"laRuleNote"_s,
        tr("A value of 0:00 leaves its rule out. The rules only warn, as this program reads the law "
           "texts; they are no legal advice. The manual names their sources and what the check "
           "cannot know."));
    note->setWordWrap(true);
    layout->addWidget(note, row++, 0, 1, 2);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(row, 1);
}

void TPreferencesForm::cbWorkingTimeRulesChange()
{
    const TRuleSetId set = RuleSets[std::max(0, cbWorkingTimeRules->currentIndex())];
    for (QLineEdit *field : std::as_const(m_ruleFields))
        field->setEnabled(set != TRuleSetId::Off);
    // France asks for the break once the work reaches the hours, the others beyond them.
    const QString words = TWorkingTimeRules::Of(set).BreakAtThreshold ? tr("from") : tr("for more than");
    for (QLabel *label : std::as_const(m_breakWords))
        label->setText(words);
    Validate();
}

bool TPreferencesForm::RulesAreValid() const
{
    const auto &values = RuleValues();
    for (std::size_t i = 0; i < values.size(); ++i) {
        const QLineEdit *field = m_ruleFields[qsizetype(i)];
        if (i == WeeksValue) {
            bool ok = false;
            const int weeks = field->text().toInt(&ok);
            if (!ok || weeks < 0 || weeks > MostAverageWeeks)
                return false;
            continue;
        }
        const auto *time = static_cast<const TTimeEdit *>(field);
        if (!time->IsValidTime() || MinutesOf(time) > MostRuleMinutes)
            return false;
    }
    return true;
}
