#include "tools/verify/coverage.h"

#include <QTextStream>

#include <algorithm>
#include <array>
#include <optional>

namespace verify
{

namespace
{

struct FieldName {
    const char *check, *english, *japanese;
};

constexpr std::array kHertzFields = {
    FieldName{"a_or_b", "a or b", "接触円半径 a・接触幅の半分 b"},
    FieldName{"delta", "δ", "接近量 δ"},
    FieldName{"pmax", "pmax", "最大接触圧力 pmax"},
    FieldName{"sigma_z", "σz max", "最大圧縮応力 σz max"},
    FieldName{"sigma_r", "σr max", "最大引張応力 σr max"},
    FieldName{"tau", "τmax", "最大せん断応力 τmax"},
    FieldName{"tau_depth", "depth of τmax (diagram window)", "τmax の深さ（図の窓）"},
};

constexpr std::array kBeamFields = {
    FieldName{"I", "I", "断面二次モーメント I"},       FieldName{"Mmax", "Mmax", "最大曲げモーメント Mmax"},
    FieldName{"sigma", "σmax", "最大曲げ応力 σmax"},   FieldName{"delta_x", "δx", "点 x のたわみ δx"},
    FieldName{"delta_max", "δmax", "最大たわみ δmax"},
};

constexpr std::array kBearingFields = {
    FieldName{"P", "P", "動等価荷重 P"},
    FieldName{"Lh", "Lh", "定格疲れ寿命 Lh"},
    FieldName{"days", "days", "日数"},
};

constexpr std::array kCases = {"cantilever, end load", "cantilever, uniform load",
                               "simply supported, point load", "simply supported, uniform load",
                               "both ends fixed, uniform load"};
constexpr std::array kSections = {"solid rectangle", "hollow rectangle", "solid circle", "hollow circle",
                                  "I and Z typed"};
constexpr std::array kCasesJapanese = {"片持ちはり・先端集中荷重", "片持ちはり・等分布荷重",
                                       "単純支持はり・集中荷重", "単純支持はり・等分布荷重",
                                       "両端固定・等分布荷重"};
constexpr std::array kSectionsJapanese = {"中実長方形", "中空長方形", "中実円形", "中空円形", "数値入力"};
constexpr std::array kKindsJapanese = {std::pair{"sphere", "球"}, std::pair{"roller", "ころ"}};

QString groupOfCase(int loadCase)
{
    return QStringLiteral("Beam, load case %1 (%2)").arg(loadCase).arg(QString::fromLatin1(kCases[loadCase]));
}

std::vector<FieldCoverage> allFields()
{
    std::vector<FieldCoverage> fields;
    for (const char *kind : {"sphere", "roller"})
        for (const FieldName &f : kHertzFields) {
            FieldCoverage c{QStringLiteral("Hertz contact"),
                            QString::fromLatin1(kind),
                            QString::fromUtf8(f.english),
                            QString::fromUtf8(f.japanese),
                            true,
                            QString(),
                            {},
                            {}};
            c.field = QString::fromUtf8(f.check == QLatin1String("a_or_b") ? (kind[0] == 's' ? "a" : "b")
                                                                           : f.english);
            if (kind[0] == 'r' && f.check == QLatin1String("sigma_r"))
                c = {c.group,    c.selection, c.field,
                     c.japanese, false,       QStringLiteral("not computed for the roller"),
                     {},         {}};
            fields.push_back(c);
        }
    for (int loadCase = 0; loadCase < 5; ++loadCase)
        for (const FieldName &f : kBeamFields)
            for (int section = 0; section < 5; ++section) {
                FieldCoverage c{groupOfCase(loadCase),
                                QString::fromLatin1(kSections[section]),
                                QString::fromUtf8(f.english),
                                QString::fromUtf8(f.japanese),
                                true,
                                QString(),
                                {},
                                {},
                                loadCase,
                                section};
                if (loadCase == 2 && f.check == QLatin1String("delta_x")) {
                    c.shown = false;
                    c.note = QStringLiteral("the field holds δmax whatever x");
                }
                fields.push_back(c);
            }
    for (const FieldName &f : kBearingFields)
        fields.push_back({QStringLiteral("Bearing"),
                          QString(),
                          QString::fromUtf8(f.english),
                          QString::fromUtf8(f.japanese),
                          true,
                          QString(),
                          {},
                          {}});
    return fields;
}

QString englishOf(const FieldName *names, std::size_t count, const QString &check)
{
    for (std::size_t i = 0; i < count; ++i)
        if (check == QLatin1String(names[i].check))
            return QString::fromUtf8(names[i].english);
    return QString();
}

// Where a row's outcome lands: the group, the column and the field.
struct Place {
    QString group, selection, field;
};

std::optional<Place> placeOf(const Evaluated &e, const Outcome &out)
{
    const Row &row = e.row;
    const QString kind = row.cell(QStringLiteral("kind"));
    if (!kind.isEmpty()) {
        QString field = englishOf(kHertzFields.data(), kHertzFields.size(), out.check);
        if (out.check == QLatin1String("a_or_b"))
            field = kind == QLatin1String("sphere") ? QStringLiteral("a") : QStringLiteral("b");
        return Place{QStringLiteral("Hertz contact"), kind, field};
    }
    if (!row.cell(QStringLiteral("case")).isEmpty()) {
        const int loadCase = row.cell(QStringLiteral("case")).toInt();
        const int section = row.cell(QStringLiteral("section")).toInt();
        if (loadCase < 0 || loadCase > 4 || section < 0 || section > 4)
            return std::nullopt;
        QString field = englishOf(kBeamFields.data(), kBeamFields.size(), out.check);
        if (out.check == QLatin1String("delta"))
            field = e.run.caption.startsWith(QStringLiteral("δmax")) ? QStringLiteral("δmax")
                                                                     : QStringLiteral("δx");
        return Place{groupOfCase(loadCase), QString::fromLatin1(kSections[section]), field};
    }
    return Place{QStringLiteral("Bearing"), QString(),
                 englishOf(kBearingFields.data(), kBearingFields.size(), out.check)};
}

QString mark(const Evaluated &e, std::size_t i)
{
    const Outcome &out = e.run.outcomes[i];
    QString id = e.row.cell(QStringLiteral("id"));
    if (e.row.cell(QStringLiteral("dependent")).split(u';').contains(out.check))
        id += QStringLiteral(" (repeats pmax)");
    if (!out.failure.isEmpty())
        return id + QStringLiteral(" (**failed**)");
    if (e.verdict == Verdict::Trial)
        return id + QStringLiteral(" (trial)");
    if (e.row.cell(QStringLiteral("finding")).contains(out.check + u':'))
        return id + QStringLiteral(" (**disagrees**, a finding)");
    if (out.within)
        return id;
    const auto &explanation = e.explanations[i];
    return id + (explanation && explanation->explained ? QStringLiteral(" (explained)")
                                                       : QStringLiteral(" (**failed**)"));
}

void place(std::vector<FieldCoverage> &fields, const std::vector<Evaluated> &rows, bool solver)
{
    for (const Evaluated &e : rows)
        for (std::size_t i = 0; i < e.run.outcomes.size(); ++i) {
            const auto where = placeOf(e, e.run.outcomes[i]);
            if (!where)
                continue;
            for (FieldCoverage &f : fields)
                if (f.group == where->group && f.selection == where->selection && f.field == where->field) {
                    QStringList &list = solver ? f.solver : f.published;
                    if (!list.contains(mark(e, i)))
                        list << mark(e, i);
                }
        }
}

} // namespace

std::vector<FieldCoverage> coverage(const std::vector<Evaluated> &published,
                                    const std::vector<Evaluated> &solver)
{
    std::vector<FieldCoverage> fields = allFields();
    place(fields, published, false);
    place(fields, solver, true);
    return fields;
}

QStringList unchecked(const std::vector<FieldCoverage> &fields)
{
    QStringList missing;
    for (const FieldCoverage &f : fields)
        if (f.shown && f.published.isEmpty() && f.solver.isEmpty())
            missing << QStringLiteral("%1, %2, %3").arg(f.group, f.selection, f.field);
    return missing;
}

namespace
{

// Whether any published row (or, with `solver`, any finite-element run)
// checks the beam field in the given load case (or any, with -1) and
// section (or any).
bool checkedBeam(const std::vector<FieldCoverage> &fields, const QString &field, int loadCase, int section,
                 bool solver)
{
    return std::any_of(fields.begin(), fields.end(), [&](const FieldCoverage &f) {
        return f.loadCase >= 0 && f.field == field && (loadCase < 0 || f.loadCase == loadCase) &&
               (section < 0 || f.section == section) && !(solver ? f.solver : f.published).isEmpty();
    });
}

QString kindName(const QString &kind, bool japanese)
{
    for (const auto &[english, name] : kKindsJapanese)
        if (kind == QLatin1String(english))
            return japanese ? QString::fromUtf8(name) : kind;
    return kind;
}

} // namespace

QStringList solverOnly(const std::vector<FieldCoverage> &fields, bool japanese)
{
    QStringList items;
    const auto name = [japanese](const FieldCoverage &f) { return japanese ? f.japanese : f.field; };
    for (const FieldCoverage &f : fields)
        if (f.shown && f.loadCase < 0 && f.published.isEmpty() && !f.solver.isEmpty())
            items << (f.selection.isEmpty()
                          ? name(f)
                          : QStringLiteral("%1（%2）").arg(name(f), kindName(f.selection, japanese)));
    // A beam's I and σmax depend on the section alone, the others on the
    // load case alone.
    for (const FieldCoverage &f : fields) {
        if (f.loadCase != 0 || !f.shown)
            continue;
        const bool bySection = f.field == QLatin1String("I") || f.field == QStringLiteral("σmax");
        if (bySection && !checkedBeam(fields, f.field, -1, f.section, false) &&
            checkedBeam(fields, f.field, -1, f.section, true))
            items << QStringLiteral("%1（%2）")
                         .arg(name(f), japanese ? QString::fromUtf8(kSectionsJapanese[f.section])
                                                : QString::fromLatin1(kSections[f.section]));
    }
    for (const FieldCoverage &f : fields) {
        if (f.section != 0 || !f.shown || f.field == QLatin1String("I") || f.field == QStringLiteral("σmax"))
            continue;
        if (!checkedBeam(fields, f.field, f.loadCase, -1, false) &&
            checkedBeam(fields, f.field, f.loadCase, -1, true))
            items << QStringLiteral("%1（%2）")
                         .arg(name(f), japanese ? QString::fromUtf8(kCasesJapanese[f.loadCase])
                                                : QString::fromLatin1(kCases[f.loadCase]));
    }
    if (!japanese)
        items.replaceInStrings(QStringLiteral("（"), QStringLiteral(" ("))
            .replaceInStrings(QStringLiteral("）"), QStringLiteral(")"));
    return items;
}

QString coverageSection(const std::vector<FieldCoverage> &fields)
{
    QString text;
    QTextStream md(&text);
    md << "\n## Coverage / 照合の範囲\n\n"
       << "Every result field the window shows, for every selection, with the rows that check it: the "
       << "published examples first, then the finite-element runs (FS, FR, FB). A mark after a row says how "
       << "it checks the field where it is not simply within tolerance. This table is generated from the "
       << "rows as they ran; `make verify` fails when a field shown has no check.\n\n"
       << "| Group | Selection | Field | Published examples | Finite-element runs |\n|---|---|---|---|---|\n";
    for (const FieldCoverage &f : fields) {
        const auto list = [](const QStringList &ids) {
            return ids.isEmpty() ? QStringLiteral("—") : ids.join(u", ");
        };
        md << "| " << f.group << " | " << (f.selection.isEmpty() ? QStringLiteral("—") : f.selection) << " | "
           << f.field << " | ";
        if (!f.shown)
            md << "not shown: " << f.note << " | — |\n";
        else
            md << list(f.published) << " | " << list(f.solver) << " |\n";
    }
    return text;
}

} // namespace verify
