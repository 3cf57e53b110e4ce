#include "tools/verify/calculators.h"

#include "core/lookup.h"

namespace verify
{

namespace
{

using tavrel::driver::Box;
using tavrel::driver::Choice;
using tavrel::driver::Contact;
using tavrel::driver::Shown;
using tavrel::driver::Tab;

Calculator hertz()
{
    return {Model::Hertz,
            "hertz.tsv",
            "Hertz contact stress / ヘルツ接触応力",
            {{"R1", Box::HertzR1},
             {"R2_or_B", Box::HertzR2},
             {"P", Box::HertzLoad},
             {"E1", Box::HertzE1},
             {"E2", Box::HertzE2},
             {"nu1", Box::HertzNu1},
             {"nu2", Box::HertzNu2}},
            {},
            "kind",
            {{"sphere", Contact::SphereOnSphere}, {"roller", Contact::CylinderOnPlane}},
            Tab::Hertz,
            {{"a_or_b", {"a or b (mm)", Shown::HertzContactSize, 0.0005}},
             {"delta", {"δ (mm)", Shown::HertzApproach, 0.0005}},
             {"pmax", {"pmax (kgf/mm²)", Shown::HertzPMax, 0.0005}},
             {"sigma_z", {"σz max (kgf/mm²)", Shown::HertzSigmaZMax, 0.0005}},
             {"sigma_r", {"σr max (kgf/mm²)", Shown::HertzSigmaRMax, 0.0005}},
             {"tau", {"τmax (kgf/mm²)", Shown::HertzTauMax, 0.0005}},
             {"tau_depth", {"depth of τmax (mm)", std::nullopt, 0.0005}}},
            std::nullopt};
}

Calculator beam()
{
    return {Model::Beam,
            "beam.tsv",
            "Beam bending / はりの曲げ",
            {{"E", Box::BeamE},
             {"L", Box::BeamL},
             {"L1", Box::BeamL1},
             {"x", Box::BeamX},
             {"P", Box::BeamLoad},
             {"b1", Box::BeamB1},
             {"h1", Box::BeamH1},
             {"b2", Box::BeamB2},
             {"h2", Box::BeamH2},
             {"I", Box::BeamI}},
            {{"case", Choice::LoadCase}, {"section", Choice::Section}},
            {},
            {},
            Tab::Beam,
            {{"I", {"I (mm⁴)", Shown::BeamI, 0}},
             {"Mmax", {"Mmax (kgf·mm)", Shown::BeamMMax, 0.5}},
             {"sigma", {"σmax (kgf/mm²)", Shown::BeamSigmaMax, 0.005}},
             {"delta", {"δ (mm)", Shown::BeamDeflection, 0}}},
            Shown::BeamDeflectionCaption};
}

Calculator bearing()
{
    return {Model::Bearing,
            "bearing.tsv",
            "Ball-bearing life / 玉軸受の寿命",
            {{"n", Box::BearingSpeed},
             {"Cor", Box::BearingCor},
             {"Cr", Box::BearingCr},
             {"Fr", Box::BearingFr},
             {"Fa", Box::BearingFa}},
            {},
            {},
            {},
            Tab::Bearing,
            {{"P", {"P (kgf)", Shown::BearingLoad, 0.05}},
             {"Lh", {"Lh (h)", Shown::BearingLife, 0.05}},
             {"days", {"days", Shown::BearingDays, 0.5}}},
            std::nullopt};
}

} // namespace

const std::vector<Calculator> &calculators()
{
    static const std::vector<Calculator> all = {hertz(), beam(), bearing()};
    return all;
}

const Calculator &calculator(Model model)
{
    return tavrel::rowOf(calculators(), &Calculator::model, model);
}

} // namespace verify
