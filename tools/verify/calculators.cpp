#include "tools/verify/calculators.h"

#include <algorithm>

namespace verify
{

namespace
{

Calculator hertz()
{
    return {Model::Hertz,
            "hertz.tsv",
            "Hertz contact stress / ヘルツ接触応力",
            {{"R1", "Edit6"},
             {"R2_or_B", "Edit7"},
             {"P", "Edit1"},
             {"E1", "Edit2"},
             {"E2", "Edit3"},
             {"nu1", "Edit4"},
             {"nu2", "Edit5"}},
            {},
            "kind",
            {{"sphere", "N1"}, {"roller", "N5"}},
            "Button3",
            {{"a_or_b", {"a or b (mm)", "Label13", 0.0005}},
             {"delta", {"δ (mm)", "Label14", 0.0005}},
             {"pmax", {"pmax (kgf/mm²)", "Label15", 0.0005}},
             {"sigma_z", {"σz max (kgf/mm²)", "Label20", 0.0005}},
             {"sigma_r", {"σr max (kgf/mm²)", "Label21", 0.0005}},
             {"tau", {"τmax (kgf/mm²)", "Label22", 0.0005}},
             {"tau_depth", {"depth of τmax (mm)", kDiagramDepth, 0.0005}}},
            nullptr};
}

Calculator beam()
{
    return {Model::Beam,
            "beam.tsv",
            "Beam bending / はりの曲げ",
            {{"E", "Edit23"},
             {"L", "Edit12"},
             {"L1", "Edit24"},
             {"x", "Edit13"},
             {"P", "Edit14"},
             {"b1", "Edit15"},
             {"h1", "Edit16"},
             {"b2", "Edit17"},
             {"h2", "Edit18"},
             {"I", "Edit19"}},
            {{"case", "RadioGroup1"}, {"section", "RadioGroup2"}},
            {},
            {},
            "Button2",
            {{"I", {"I (mm⁴)", "Edit19", 0}},
             {"Mmax", {"Mmax (kgf·mm)", "Edit20", 0.5}},
             {"sigma", {"σmax (kgf/mm²)", "Edit21", 0.005}},
             {"delta", {"δ (mm)", "Edit22", 0}}},
            "Label51"};
}

Calculator bearing()
{
    return {Model::Bearing,
            "bearing.tsv",
            "Ball-bearing life / 玉軸受の寿命",
            {{"n", "Edit8"}, {"Cor", "Edit9"}, {"Cr", "Edit25"}, {"Fr", "Edit10"}, {"Fa", "Edit11"}},
            {},
            {},
            {},
            "Button1",
            {{"P", {"P (kgf)", "Label38", 0.05}},
             {"Lh", {"Lh (h)", "Label28", 0.05}},
             {"days", {"days", "Label59", 0.5}}},
            nullptr};
}

} // namespace

const std::vector<Calculator> &calculators()
{
    static const std::vector<Calculator> all = {hertz(), beam(), bearing()};
    return all;
}

const Calculator &calculator(Model model)
{
    const auto &all = calculators();
    return *std::find_if(all.begin(), all.end(), [model](const Calculator &c) { return c.model == model; });
}

} // namespace verify
