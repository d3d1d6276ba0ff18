// The circuit check: its worked examples, the check that decides each size, the grounding
// conductor's rules, parallel sets, the ambient, both editions, shared raceways and what it
// refuses to read.

#include "circuit/circuitcheck.h"
#include "circuit/schedule.h"
#include "voltdrop.h"

#include <gtest/gtest.h>

#include <map>

using namespace tavo;
using namespace tavo::circuit;

namespace {

using Texts = std::map<std::string, std::string>;

// The texts of one circuit by input name, as a schedule's row gives them.
std::vector<std::string> Row(const Texts& given)
{
    const std::vector<Input> inputs = CircuitInputDescriptions();
    std::vector<std::string> texts(inputs.size());
    for (const auto& [name, text] : given) {
        const auto input = std::find_if(inputs.begin(), inputs.end(),
                                        [&](const Input& i) { return i.name == name; });
        EXPECT_NE(input, inputs.end()) << name;
        texts[size_t(input - inputs.begin())] = text;
    }
    return texts;
}

Circuit Read(const Texts& given, long row = 1)
{
    const ReadCircuit read = circuit::Read(Row(given), row);
    EXPECT_TRUE(read.circuit) << (read.refused ? read.refused->reason : "");
    return read.circuit.value_or(Circuit{});
}

// One circuit alone, and its results by the description's result names.
struct Checked
{
    CircuitResult result;
    std::map<std::string, std::string> texts;
    std::vector<std::string> trace;
};

Checked Check(const Texts& given)
{
    const std::vector<std::string> row = Row(given);
    InputValues values;
    for (const std::string& text : row) {
        values.push_back({text});
    }
    Checked checked;
    const Circuit circuit = Read(given);
    checked.result = CheckAlone(circuit, true);
    const Outcome outcome = CircuitOutcome(values, circuit, checked.result, true);
    for (size_t i = 0; i < outcome.results.size(); ++i) {
        checked.texts[std::string(kCircuit.results[i].label)] = outcome.results[i].text;
    }
    checked.trace = outcome.trace;
    return checked;
}

bool HasLine(const std::vector<std::string>& lines, const std::string& part)
{
    return std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
        return line.find(part) != std::string::npos;
    });
}

TEST(CircuitCheck, FirstWorkedExampleOneHundredFeet)
{
    const Checked c = Check({{"load", "40"}, {"system", "1"}, {"volts", "240"}, {"length", "100"}});
    EXPECT_EQ(c.texts.at("Status"), "OK");
    EXPECT_EQ(c.texts.at("Design Amps"), "50.00");
    EXPECT_EQ(c.texts.at("OCPD"), "50.00");
    EXPECT_EQ(c.texts.at("Terminals"), "60");
    EXPECT_EQ(c.texts.at("Size"), "6 AWG");
    EXPECT_EQ(c.texts.at("Decided By"), "continuous load");
    EXPECT_EQ(c.texts.at("Ampacity"), "55.00");
    EXPECT_EQ(c.texts.at("Volt Drop"), "3.60");
    EXPECT_EQ(c.texts.at("Volt Drop %"), "1.50");
    EXPECT_EQ(c.texts.at("Next Smaller"), "8 AWG");
    EXPECT_EQ(c.texts.at("Next Smaller Fails"),
              "continuous load fails (40.00 A < 50.00 A), overcurrent protection fails "
              "(50.00 A > 40.00 A)");
    EXPECT_EQ(c.texts.at("EGC"), "10 AWG copper");
    EXPECT_EQ(c.texts.at("EGC Rule"), "table (Table 250.122, 60 A row: 10 AWG)");
    EXPECT_TRUE(HasLine(c.trace, "6 AWG: T 65 A at 75 °C, Tt 55 A at 60 °C"));
    EXPECT_TRUE(HasLine(c.trace, "Z 0.4502 Ω/1000 ft, drop 3.60 V"));
}

TEST(CircuitCheck, SecondWorkedExampleThreeHundredFeet)
{
    const Checked c = Check({{"load", "40"}, {"system", "1"}, {"volts", "240"}, {"length", "300"}});
    EXPECT_EQ(c.texts.at("Size"), "4 AWG");
    EXPECT_EQ(c.texts.at("Decided By"), "voltage drop");
    EXPECT_EQ(c.texts.at("Volt Drop %"), "2.95");
    EXPECT_EQ(c.texts.at("Next Smaller Fails"), "voltage drop fails (4.50 % > 3.00 %)");
    EXPECT_TRUE(HasLine(c.trace, "the ampacity size is 6 AWG"));
    EXPECT_TRUE(HasLine(c.trace, "Z 0.2951 Ω/1000 ft"));
    // 10,380 x 41,740 / 26,240 = 16,511.5: 8 AWG is 1.5 cmil short.
    EXPECT_EQ(c.texts.at("EGC"), "6 AWG copper");
    EXPECT_EQ(c.texts.at("EGC Rule"),
              "increased (250.122(B)): 10380.0 × 41740.0 / 26240.0 = 16511.5 cmil from Table "
              "250.122, 60 A row: 10 AWG");
    EXPECT_EQ(c.result.sizing.grounding.rule, GroundingRule::Increased);
}

struct DecidedCase
{
    const char* name;
    Texts given;
    const char* size;
    const char* decidedBy;
};

class DecidedBy : public testing::TestWithParam<DecidedCase>
{
};

TEST_P(DecidedBy, TheCheckTheSizeBelowFailsFirst)
{
    const Checked c = Check(GetParam().given);
    EXPECT_EQ(c.texts.at("Size"), GetParam().size);
    EXPECT_EQ(c.texts.at("Decided By"), GetParam().decidedBy);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Checks, DecidedBy, testing::Values(
    DecidedCase{"ContinuousLoad", {{"load", "40"}}, "6 AWG", "continuous load"},
    // Nine current-carrying conductors: 8 AWG carries 50 x 70 % = 35 A of the 40.
    DecidedCase{"Ampacity", {{"load", "40"}, {"continuous", "0"}, {"ccc", "9"}, {"length", "10"}},
                "6 AWG", "ampacity"},
    // 8 AWG carries 35 A, whose next standard rating stays below the 40 A device.
    DecidedCase{"OvercurrentProtection", {{"load", "30"}, {"system", "3"}, {"volts", "208"},
                {"length", "80"}, {"ccc", "7"}}, "6 AWG", "overcurrent protection"},
    // 14 AWG at 75 °C terminations carries 20 A, but 240.4(D) holds it to 15 A.
    DecidedCase{"SmallConductor", {{"load", "20"}, {"continuous", "0"}, {"terminals", "75"},
                {"length", "10"}}, "12 AWG", "small conductor"},
    DecidedCase{"VoltageDrop", {{"load", "40"}, {"length", "300"}}, "4 AWG", "voltage drop"},
    DecidedCase{"SmallestSize", {{"load", "5"}, {"continuous", "0"}, {"length", "10"}}, "14 AWG",
                "smallest size"},
    DecidedCase{"Given", {{"load", "40"}, {"size", "# 2"}}, "2 AWG", "given"},
    DecidedCase{"GivenAsKcmil", {{"load", "40"}, {"size", "250 MCM"}}, "250 kcmil", "given"},
    DecidedCase{"ParallelSets", {{"load", "600"}, {"system", "3"}, {"volts", "480"}, {"sets", "2"},
                {"length", "50"}}, "2 × 500 kcmil", "continuous load"},
    DecidedCase{"ThreePhaseKw", {{"load", "30"}, {"unit", "KW"}, {"system", "3"}, {"volts", "480"},
                {"pf", "90"}, {"continuous", "0"}, {"length", "50"}}, "6 AWG", "continuous load"}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(CircuitCheck, GivenSizeReportsEveryCheck)
{
    const Checked c = Check({{"load", "40"}, {"length", "300"}, {"size", "6"}});
    EXPECT_EQ(c.texts.at("Status"), "FAILS: voltage drop");
    // An oversized given size: the size below passes everything.
    const Checked big = Check({{"load", "40"}, {"size", "2"}});
    EXPECT_EQ(big.texts.at("Status"), "OK");
    EXPECT_EQ(big.texts.at("Next Smaller Fails"), "passes every check");
    // No increase of the grounding conductor for a given size below the ampacity size.
    const Checked small = Check({{"load", "40"}, {"size", "10"}});
    EXPECT_EQ(small.texts.at("Status"),
              "FAILS: continuous load, ampacity, overcurrent protection, small conductor, "
              "voltage drop");
    EXPECT_EQ(small.result.sizing.grounding.rule, GroundingRule::Table);
}

TEST(GroundingConductor, IncreasedToASizeAFewCircularMilsOver)
{
    // 48 A continuous at 90 °C with ten conductors together needs 3 AWG for ampacity; 400 ft
    // needs 1 AWG for the drop: 10,380 x 83,690 / 52,620 = 16,509.0, which 8 AWG just holds.
    const Checked c = Check({{"load", "48"}, {"rating", "90"}, {"ccc", "10"}, {"length", "400"}});
    EXPECT_EQ(c.texts.at("Size"), "1 AWG");
    EXPECT_EQ(c.texts.at("EGC"), "8 AWG copper");
    EXPECT_NEAR(c.result.sizing.grounding.required, 16508.97, 0.01);
}

TEST(GroundingConductor, IncreasedExactlyToTheNextSize)
{
    // 14 AWG carries 15 A and 12 AWG is needed for the drop: 4,110 x 6,530 / 4,110 is 6,530
    // exactly, 12 AWG itself.
    const Checked c = Check({{"load", "10"}, {"continuous", "0"}, {"length", "150"}});
    EXPECT_EQ(c.texts.at("Size"), "12 AWG");
    EXPECT_EQ(c.texts.at("Decided By"), "voltage drop");
    EXPECT_EQ(c.texts.at("EGC"), "12 AWG copper");
    EXPECT_EQ(c.result.sizing.grounding.rule, GroundingRule::Increased);
}

TEST(GroundingConductor, CappedAtThePhaseConductorsOfItsMetalOnly)
{
    const Checked capped = Check({{"load", "5"}, {"size", "14"}, {"ocpd", "20"}});
    EXPECT_EQ(capped.texts.at("EGC"), "14 AWG copper");
    EXPECT_EQ(capped.result.sizing.grounding.rule, GroundingRule::Capped);
    const Checked other =
        Check({{"load", "5"}, {"size", "14"}, {"ocpd", "20"}, {"egc", "aluminum"}});
    EXPECT_EQ(other.texts.at("EGC"), "10 AWG aluminum");
    EXPECT_EQ(other.result.sizing.grounding.rule, GroundingRule::Table);
}

TEST(GroundingConductor, FailsWithoutADeviceOrAboveTheTable)
{
    const Checked none = Check({{"load", "6000"},
                                {"continuous", "100"},
                                {"system", "3"},
                                {"volts", "480"},
                                {"sets", "8"},
                                {"size", "1000"},
                                {"length", "10"}});
    EXPECT_EQ(none.texts.at("OCPD"), "none");
    EXPECT_NE(none.texts.at("Status").find("overcurrent device"), std::string::npos);
    EXPECT_NE(none.texts.at("Status").find("grounding conductor"), std::string::npos);
    EXPECT_EQ(none.texts.at("Terminals"), "75");
    const Checked above = Check({{"load", "10"}, {"ocpd", "7000"}, {"size", "14"}});
    EXPECT_NE(above.texts.at("EGC Rule").find("above the table's last row, 6000 A"),
              std::string::npos);
}

TEST(CircuitCheck, NoSizeCarriesTheLoad)
{
    const Checked c = Check({{"load", "1000"}, {"continuous", "0"}, {"length", "10"}});
    EXPECT_EQ(c.texts.at("Status"),
              "FAILS: continuous load, ampacity, overcurrent protection; no size up to "
              "1000 kcmil passes");
    EXPECT_EQ(c.texts.at("Size"), "no size");
    EXPECT_EQ(c.texts.at("EGC"), "none");
    EXPECT_EQ(c.texts.at("Raceway"), "none");
}

TEST(CircuitCheck, AmbientWithoutAFactorSizesNothing)
{
    for (const char* ambient : {"56", "90"}) {
        const Checked c = Check({{"load", "20"}, {"rating", "60"}, {"ambient", ambient}});
        EXPECT_EQ(c.texts.at("Status"), "FAILS: ambient") << ambient;
        EXPECT_EQ(c.texts.at("Size"), "no size");
        EXPECT_TRUE(c.result.sizing.candidates.empty());
    }
    EXPECT_EQ(Check({{"load", "20"}, {"rating", "90"}, {"ambient", "140"}, {"ambientunit", "F"}})
                  .texts.at("Status"),
              "OK");
}

TEST(CircuitCheck, BothEditionsAndTheLinesThatSayHowTheyDiffer)
{
    // 8 AWG aluminum at 60 °C carries 35 A in 2023, 30 A before.
    const Texts circuit = {
        {"load", "32"}, {"continuous", "0"}, {"material", "aluminum"}, {"length", "50"}};
    Texts old = circuit;
    old["edition"] = "2008";
    const Checked now = Check(circuit);
    const Checked then = Check(old);
    EXPECT_EQ(now.texts.at("Size"), "8 AWG");
    EXPECT_EQ(then.texts.at("Size"), "6 AWG");
    EXPECT_TRUE(HasLine(now.trace, "Other edition: size: under 2008 this would be 6 AWG"));
    EXPECT_TRUE(HasLine(then.trace, "Other edition: size: under 2023 this would be 8 AWG"));
    EXPECT_TRUE(HasLine(then.trace, "the rules are the current ones"));
    // A 10 A device exists from 2023 on.
    const Checked small = Check({{"load", "8"}, {"continuous", "0"}, {"length", "50"}});
    EXPECT_EQ(small.texts.at("OCPD"), "10.00");
    EXPECT_TRUE(HasLine(small.trace, "device: under 2008 this would be 15.00 A"));
}

// The drop of the size chosen is what the Volt Drop tab shows for the same inputs.
TEST(CircuitCheck, DropAgreesWithTheVoltDropTab)
{
    struct Case
    {
        Texts given;
        VoltDropCalculator::Mode mode;
        int conductor;
        int conduit;
    };
    using VoltDropCalculator::Mode;
    const Case cases[] = {
        {{{"load", "40"}, {"length", "300"}}, Mode::SinglePhase, 0, 2},
        {{{"load", "90"},
          {"system", "3"},
          {"volts", "480"},
          {"length", "400"},
          {"pf", "80"},
          {"raceway", "PVC Schd. 40"},
          {"material", "aluminum"}},
         Mode::ThreePhase,
         1,
         0},
        {{{"load", "30"}, {"system", "dc"}, {"volts", "48"}, {"length", "60"}, {"maxdrop", "2"}},
         Mode::DC,
         0,
         0},
        {{{"load", "150"},
          {"system", "3"},
          {"volts", "208"},
          {"length", "180"},
          {"sets", "2"},
          {"racewaymetal", "aluminum"}},
         Mode::ThreePhase,
         0,
         1},
    };
    for (const Case& c : cases) {
        const Checked checked = Check(c.given);
        const Candidate* size = checked.result.sizing.size();
        ASSERT_TRUE(size);
        const Circuit circuit = Read(c.given);
        const auto sizes = VoltDropCalculator::SizeList(c.mode, c.conductor);
        const auto position = std::find_if(sizes.begin(), sizes.end(), [&](const Option& o) {
            return TableSize(o.name) == size->size && !o.name.ends_with("Solid");
        });
        ASSERT_NE(position, sizes.end());
        VoltDropCalculator::Inputs tab{c.mode,
                                       int(position - sizes.begin()),
                                       c.conduit,
                                       c.conductor,
                                       circuit.length,
                                       checked.result.sizing.loadAmps / circuit.sets,
                                       circuit.volts,
                                       circuit.powerFactor,
                                       75};
        const VoltDropCalculator::Drops drops = VoltDropCalculator::Compute(tab);
        const bool dc = c.mode == Mode::DC;
        EXPECT_EQ(size->dropPercent, dc ? drops.percentNeutral : drops.percentLine);
        EXPECT_EQ(size->drop, dc ? drops.neutral : drops.line);
    }
}

// ---- Shared raceways ----

std::vector<std::optional<CircuitResult>> Schedule(const std::vector<Texts>& rows)
{
    std::vector<std::optional<Circuit>> circuits;
    for (size_t i = 0; i < rows.size(); ++i) {
        const ReadCircuit read = circuit::Read(Row(rows[i]), long(i) + 1);
        circuits.push_back(read.circuit);
    }
    return CheckSchedule(circuits, true);
}

TEST(SharedRaceway, ThreeCircuitsAdjustAndFillTogether)
{
    const Texts feeder = {{"load", "30"}, {"system", "3"}, {"volts", "480"}, {"length", "50"}};
    const CircuitResult alone = CheckAlone(Read(feeder), false);
    std::vector<Texts> rows;
    for (const char* name : {"A", "B", "C"}) {
        Texts row = feeder;
        row["circuit"] = name;
        row["raceway_id"] = "R1";
        rows.push_back(row);
        rows.push_back({{"load", "10"}, {"circuit", std::string("other ") + name}});
    }
    const auto results = Schedule(rows);
    for (size_t i : {0u, 2u, 4u}) {
        const CircuitResult& shared = *results[i];
        EXPECT_EQ(shared.sizing.currentCarrying, 9);
        EXPECT_EQ(shared.sizing.adjustment, 70);
        EXPECT_EQ(SizeText(shared), "6 AWG");
        EXPECT_EQ(shared.raceway.circuits, (std::vector<std::string>{"A", "B", "C"}));
        EXPECT_EQ(shared.raceway.count, 10);  // nine phase conductors and one grounding
        EXPECT_EQ(ConductorList(shared.raceway), "9 × 6 AWG THHN, 1 × 10 AWG THHN (grounding)");
        EXPECT_EQ(RacewayName(shared.raceway), "1-1/4 inch EMT");
    }
    EXPECT_EQ(alone.sizing.adjustment, 100);
    EXPECT_EQ(SizeText(alone), "8 AWG");
    EXPECT_EQ(RacewayName(alone.raceway), "3/4 inch EMT");
    // The rows between keep raceways of their own.
    EXPECT_EQ(results[1]->raceway.circuits, (std::vector<std::string>{"other A"}));
}

TEST(SharedRaceway, ConflictsParallelSetsAndRefusedRows)
{
    const auto results = Schedule({
        {{"load", "20"}, {"raceway_id", "R"}},
        {{"load", "20"}, {"raceway_id", "R"}, {"raceway", "Rigid Metal"}},
        {{"load", "200"}, {"system", "3"}, {"sets", "2"}, {"raceway_id", "P"}},
        {{"load", "20"}, {"raceway_id", "P"}},
        {{"load", "abc"}, {"raceway_id", "P"}},
        {{"load", "20"}, {"raceway_id", "E"}},
        {{"load", "20"}, {"raceway_id", "E"}, {"edition", "2008"}},
    });
    for (size_t i : {0u, 1u}) {
        EXPECT_EQ(results[i]->status(), "FAILS: raceway_id");
        EXPECT_EQ(results[i]->racewayIdWhy, "raceway_id R names two raceway types");
        EXPECT_EQ(results[i]->sizing.currentCarrying, 4);  // the count is still shared
    }
    EXPECT_EQ(results[2]->status(), "FAILS: raceway_id");
    EXPECT_EQ(results[2]->racewayIdWhy, "a circuit of 2 parallel sets cannot share raceway_id P");
    // Alone in P once the parallel circuit and the refused row are left out.
    EXPECT_EQ(results[3]->status(), "OK");
    EXPECT_EQ(results[3]->sizing.currentCarrying, 2);
    EXPECT_EQ(results[3]->raceway.id, "P");
    EXPECT_FALSE(results[4]);
    EXPECT_EQ(results[5]->racewayIdWhy, "raceway_id E names two editions");
}

TEST(SharedRaceway, ACircuitWithoutASizeLeavesItUnsized)
{
    const auto results = Schedule({
        {{"load", "20"}, {"raceway_id", "R"}, {"circuit", "ok"}},
        {{"load", "20"},
         {"raceway_id", "R"},
         {"circuit", "hot"},
         {"rating", "60"},
         {"ambient", "58"}},
    });
    for (const auto& result : results) {
        EXPECT_FALSE(result->raceway.sized);
        EXPECT_EQ(result->raceway.why, "circuit hot has no conductor size");
        EXPECT_NE(result->status().find("raceway"), std::string::npos);
    }
    EXPECT_EQ(results[1]->status(), "FAILS: ambient, raceway");
}

// ---- Reading ----

struct RefusalCase
{
    const char* name;
    Texts given;
    const char* input;
    const char* reason;
};

class Refused : public testing::TestWithParam<RefusalCase>
{
};

TEST_P(Refused, NamesTheInputAndWhatItAccepts)
{
    const ReadCircuit read = circuit::Read(Row(GetParam().given), 1);
    ASSERT_FALSE(read.circuit);
    ASSERT_TRUE(read.refused);
    EXPECT_EQ(read.refused->input, GetParam().input);
    EXPECT_EQ(read.refused->reason, GetParam().reason);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Inputs, Refused, testing::Values(
    RefusalCase{"LoadNotANumber", {{"load", "abc"}}, "load", "a number greater than 0"},
    RefusalCase{"LoadTrailingText", {{"load", "12abc"}}, "load", "a number greater than 0"},
    RefusalCase{"LoadZero", {{"load", "0"}}, "load", "a number greater than 0"},
    RefusalCase{"LoadSpacesOnly", {{"load", "  "}}, "load", "a number greater than 0"},
    RefusalCase{"LoadInfinite", {{"load", "inf"}}, "load", "a number greater than 0"},
    RefusalCase{"DanglingExponent", {{"volts", "1e"}}, "volts", "a number greater than 0, at most 2000"},
    RefusalCase{"VoltsAboveTheTable", {{"volts", "2400"}}, "volts", "a number greater than 0, at most 2000"},
    RefusalCase{"NegativeLength", {{"length", "-1"}}, "length", "a number of 0 or more"},
    RefusalCase{"PowerFactorInDc", {{"pf", "20"}, {"system", "dc"}}, "pf", "a number from 30 to 100"},
    RefusalCase{"SetsNotDigits", {{"sets", "1.5"}}, "sets", "a whole number from 1 to 8"},
    RefusalCase{"SetsTooMany", {{"sets", "9"}}, "sets", "a whole number from 1 to 8"},
    RefusalCase{"UnknownUnit", {{"unit", "hp"}}, "unit", "one of amps, kva, kw"},
    RefusalCase{"UnknownRaceway", {{"raceway", "pipe"}}, "raceway",
                "one of EMT, Intermediate Metal, Rigid Metal, PVC Schd. 80, PVC Schd. 40, "
                "Liquidtight Metal, PVC Type A, PVC Type EB, ENT Non Metal, Flex Metal, "
                "Liquidtight LFNC-B, Liquidtight LFNC-A"},
    RefusalCase{"CccBelowItsOwn", {{"ccc", "2"}, {"system", "3"}}, "ccc",
                "auto or at least 3, the circuit's own current-carrying conductors"},
    RefusalCase{"CccNotAWholeNumber", {{"ccc", "4.0"}}, "ccc", "auto or a whole number up to 10000"},
    RefusalCase{"OcpdZero", {{"ocpd", "0"}}, "ocpd", "auto or a number greater than 0"},
    RefusalCase{"SizeNotInTheAcTables", {{"size", "700"}}, "size",
                "auto or a conductor size of AC copper: 14, 12, 10, 8, 6, 4, 3, 2, 1, 1/0, 2/0, "
                "3/0, 4/0, 250, 300, 350, 400, 500, 600, 750, 1000"},
    RefusalCase{"AluminumFrom12", {{"size", "14"}, {"material", "aluminum"}}, "size",
                "auto or a conductor size of AC aluminum: 12, 10, 8, 6, 4, 3, 2, 1, 1/0, 2/0, "
                "3/0, 4/0, 250, 300, 350, 400, 500, 600, 750, 1000"},
    RefusalCase{"ParallelFromOneOught", {{"size", "2"}, {"sets", "2"}, {"system", "dc"}}, "size",
                "auto or a conductor size of DC copper in parallel: 1/0, 2/0, 3/0, 4/0, 250, 300, "
                "350, 400, 500, 600, 700, 750, 800, 900, 1000"},
    RefusalCase{"SizeWithTheWrongUnit", {{"size", "250 AWG"}}, "size",
                "auto or a conductor size of AC copper: 14, 12, 10, 8, 6, 4, 3, 2, 1, 1/0, 2/0, "
                "3/0, 4/0, 250, 300, 350, 400, 500, 600, 750, 1000"}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(Reading, DefaultsSpellingsAndCase)
{
    const Circuit c = Read({{"load", " 12.5 "},
                            {"unit", "KVA"},
                            {"system", "3"},
                            {"size", "#  4/0 awg"},
                            {"ambient", "-5"},
                            {"ambientunit", "f"},
                            {"racewaymetal", "PVC"},
                            {"egc", "Aluminum"},
                            {"ocpd", "AUTO"}},
                           7);
    EXPECT_EQ(c.load, 12.5);
    EXPECT_EQ(c.unit, LoadUnit::Kva);
    EXPECT_EQ(c.size, 211600);
    EXPECT_TRUE(c.fahrenheit);
    EXPECT_EQ(c.racewayColumn, RacewayColumn::Pvc);
    EXPECT_EQ(c.egc, Metal::Aluminum);
    EXPECT_FALSE(c.ocpd);
    EXPECT_EQ(c.name, "7");
    EXPECT_EQ(c.defaults.size(), 16u);  // every input not given; "auto" for ocpd was given
    EXPECT_EQ(c.defaults.front(), kPowerFactor);
    EXPECT_EQ(LoadCurrent(c), 1000 * 12.5 / (1.732 * 240));
    for (const char* text : {"12", "#12", "# 12", "12 AWG", "12awg"}) {
        EXPECT_EQ(TypedSize(text), 6530) << text;
    }
    for (const char* text : {"250", "250 kcmil", "250 MCM", "250 Mill", "250kcmil"}) {
        EXPECT_EQ(TypedSize(text), 250000) << text;
    }
    for (const char* text : {"0", "1/0", "# 1/0 AWG"}) {
        EXPECT_EQ(TypedSize(text), 105600) << text;
    }
    for (const char* text : {"", "13", "012", "200", "12 kcmil", "1/0 MCM", "250 AWG", "# "}) {
        EXPECT_FALSE(TypedSize(text)) << text;
    }
}

TEST(Reading, TheTraceSaysWhatWasTakenByDefault)
{
    const Checked c = Check({{"load", "40"}, {"length", "100"}});
    ASSERT_GE(c.trace.size(), 2u);
    EXPECT_EQ(c.trace.front(), "Edition: 2023, the current edition's tables [2023 tables]");
    EXPECT_NE(c.trace[1].find("Defaults: not given, so taken as unit = amps, pf = 85,"),
              std::string::npos);
    EXPECT_NE(c.trace[1].find("circuit = 1 (its row)"), std::string::npos);
    EXPECT_EQ(c.trace.back(), "Status: OK");
}

}  // namespace
