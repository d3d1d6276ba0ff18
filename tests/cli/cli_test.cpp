// tavo-calc as a user runs it: the process, its output and its exit status.

#include "calculator.h"
#include "circuit/circuitcheck.h"
#include "windows1252.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <map>
#include <string>
#include <vector>

namespace tavo {
// The calculator by its name in the test list, not by its address.
void PrintTo(const Calculator* calculator, std::ostream* out)
{
    *out << calculator->name;
}
}  // namespace tavo

namespace {

struct Outcome
{
    int status = -1;
    std::string out;
    std::string err;
};

// Runs tavo-calc with `input` as its standard input (none by default); a run that has not
// ended after ten seconds is killed and reported with status -2.
Outcome RunCalc(std::vector<std::string> args, const std::string& input = "/dev/null")
{
    int out[2];
    int err[2];
    if (pipe(out) != 0 || pipe(err) != 0) {
        return {};
    }
    const pid_t pid = fork();
    if (pid == 0) {
        const int nothing = open(input.c_str(), O_RDONLY);
        dup2(nothing, 0);
        dup2(out[1], 1);
        dup2(err[1], 2);
        close(out[0]);
        close(err[0]);
        std::vector<char*> argv;
        std::string program = TAVO_CALC_PATH;
        argv.push_back(program.data());
        for (auto& a : args) {
            argv.push_back(a.data());
        }
        argv.push_back(nullptr);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    close(out[1]);
    close(err[1]);
    Outcome outcome;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    bool hung = false;
    std::array<pollfd, 2> pipes = {{{out[0], POLLIN, 0}, {err[0], POLLIN, 0}}};
    std::array<std::string*, 2> texts = {&outcome.out, &outcome.err};
    int open = 2;
    while (open > 0 && !hung) {
        if (poll(pipes.data(), pipes.size(), 100) > 0) {
            for (size_t k = 0; k < pipes.size(); ++k) {
                if (pipes[k].fd >= 0 && pipes[k].revents) {
                    std::array<char, 4096> buf{};
                    const ssize_t n = read(pipes[k].fd, buf.data(), buf.size());
                    if (n > 0) {
                        texts[k]->append(buf.data(), static_cast<size_t>(n));
                    } else {
                        close(pipes[k].fd);
                        pipes[k].fd = -1;
                        --open;
                    }
                }
            }
        }
        hung = std::chrono::steady_clock::now() > deadline;
    }
    if (hung) {
        kill(pid, SIGKILL);
    }
    for (const pollfd& pipe : pipes) {
        if (pipe.fd >= 0) {
            close(pipe.fd);
        }
    }
    int status = 0;
    waitpid(pid, &status, 0);
    outcome.status = hung ? -2 : WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return outcome;
}

struct JsonCase
{
    const char* name;
    std::vector<std::string> args;
    const char* json;
};

std::ostream& operator<<(std::ostream& os, const JsonCase& c)
{
    return os << c.name;
}

class CliJsonTest : public testing::TestWithParam<JsonCase>
{
};

TEST_P(CliJsonTest, PrintsThePagesTexts)
{
    const Outcome outcome = RunCalc(GetParam().args);
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(outcome.out, std::string(GetParam().json) + "\n");
    EXPECT_EQ(outcome.err, "");
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Amps, CliJsonTest, testing::Values(
    JsonCase{"VoltsOverOhms", {"amps.er", "--json", "volts=120", "ohms=10"},
        R"j({"calculator": "amps.er", "inputs": {"volts": "120", "ohms": "10"}, "results": {"Amps": "12."}, )j"
        R"j("colors": {}, "report": {"header": "AMPS=VOLTS ÷ OHMS     ", "body": "12.=120 ÷ 10", "trailer": " "}})j"},
    JsonCase{"Defaults", {"amps.er", "--json"},
        R"j({"calculator": "amps.er", "inputs": {"volts": "0.", "ohms": "0."}, "results": {"Amps": "0."}, )j"
        R"j("colors": {}, "report": {"header": "AMPS=VOLTS ÷ OHMS     ", "body": "0.=0. ÷ 0.", "trailer": " "}})j"},
    JsonCase{"WattsOverVoltsDC", {"amps.pe", "watts=1200", "volts=120", "--json"},
        R"j({"calculator": "amps.pe", "inputs": {"watts": "1200", "volts": "120", "pf": "100.", "phase": "dc", "unit": "watts"}, )j"
        R"j("results": {"Amps": "10."}, "colors": {}, "report": {"header": "AMPS=WATTS ÷ (VOLTS)     ", "body": "10.=1200 ÷ (120)", "trailer": " "}})j"},
    JsonCase{"WattsOverVoltsThreePhase", {"amps.pe", "--json", "watts=10000", "volts=208", "pf=90", "phase=3"},
        R"j({"calculator": "amps.pe", "inputs": {"watts": "10000", "volts": "208", "pf": "90", "phase": "3", "unit": "watts"}, )j"
        R"j("results": {"Amps": "30.84226525"}, "colors": {}, "report": {"header": "AMPS=WATTS ÷ (VOLTS x PF x 1.732)     ", )j"
        R"j("body": "30.84226525=10000 ÷ (208 x 90 x 1.732)", "trailer": " "}})j"},
    JsonCase{"WattsOverVoltsKiloByPosition", {"amps.pe", "--json", "watts=1.5", "volts=120", "unit=1", "phase=DC"},
        R"j({"calculator": "amps.pe", "inputs": {"watts": "1.5", "volts": "120", "pf": "100.", "phase": "dc", "unit": "kilo"}, )j"
        R"j("results": {"Amps": "12.5"}, "colors": {}, "report": {"header": "AMPS=WATTS ÷ (VOLTS)     ", "body": "12.5=1.5 ÷ (120)", "trailer": " "}})j"},
    JsonCase{"PowerFactorClamped", {"amps.pe", "--json", "watts=2400", "volts=10", "pf=150", "phase=2"},
        R"j({"calculator": "amps.pe", "inputs": {"watts": "2400", "volts": "10", "pf": "100", "phase": "2", "unit": "watts"}, )j"
        R"j("results": {"Amps": "120."}, "colors": {}, "report": {"header": "AMPS=WATTS ÷ (VOLTS x PF x 2.)     ", )j"
        R"j("body": "120.=2400 ÷ (10 x 100 x 2.)", "trailer": " "}})j"},
    JsonCase{"WattsOverOhmsDC", {"amps.pr", "--json", "watts=1000", "ohms=10"},
        R"j({"calculator": "amps.pr", "inputs": {"watts": "1000", "ohms": "10", "pf": "100.", "phase": "dc", "unit": "watts"}, )j"
        R"j("results": {"Amps": "10."}, "colors": {}, "report": {"header": "AMPS=SQUARE ROOT OF (WATTS ÷ (OHMS))     ", )j"
        R"j("body": "10.=Square Root Of (1000 ÷ (10))", "trailer": " "}})j"},
    JsonCase{"WattsOverOhmsTwoPhase", {"amps.pr", "--json", "watts=5000", "ohms=4", "pf=85", "phase=2"},
        R"j({"calculator": "amps.pr", "inputs": {"watts": "5000", "ohms": "4", "pf": "85", "phase": "2", "unit": "watts"}, )j"
        R"j("results": {"Amps": "27.11630723"}, "colors": {}, "report": {"header": "AMPS=SQUARE ROOT OF (WATTS ÷ (OHMS x PF x 2.))     ", )j"
        R"j("body": "27.11630723=Square Root Of (5000 ÷ (4 x 85 x 2.))", "trailer": " "}})j"},
    JsonCase{"TypedTextKeptAsTyped", {"amps.er", "--json", "volts=12abc", "ohms=\"4\""},
        R"j({"calculator": "amps.er", "inputs": {"volts": "12abc", "ohms": "\"4\""}, "results": {"Amps": "0."}, )j"
        R"j("colors": {}, "report": {"header": "AMPS=VOLTS ÷ OHMS     ", "body": "0.=12abc ÷ \"4\"", "trailer": " "}})j"}
), [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(Power, CliJsonTest, testing::Values(
    JsonCase{"TransformerThreePhase", {"xformer", "--json", "rating=10", "unit=kilo", "phase=3", "primary=480", "secondary=208"},
        R"j({"calculator": "xformer", "inputs": {"rating": "10", "unit": "kilo", "phase": "3", "primary": "480", "secondary": "208"}, )j"
        R"j("results": {"Primary Amps": "12.02848345", "Secondary Amps": "27.75803873"}, )j"
        R"j("colors": {"Primary Amps": "cyan", "Secondary Amps": "cyan"}, "report": {"header": "TRANSFORMER Ip=(Es x Is)÷Ep Is=(Ep x Ip)÷Es ", )j"
        R"j("body": "12.02848345=(208x27.75803873)÷480  27.75803873=(480x12.02848345)÷208", "trailer": " "}})j"},
    JsonCase{"MotorDataByText", {"motordata", "--json", "hp=150", "volts=460"},
        R"j({"calculator": "motordata", "inputs": {"hp": "150", "volts": "460"}, )j"
        R"j("results": {"Motor Amps": "180", "Breaker": "300", "Starter Size": "5", "Heater Amp": "225", "Wire Size": "0000"}, )j"
        R"j("colors": {"Motor Amps": "cyan", "Breaker": "cyan", "Starter Size": "cyan", "Heater Amp": "cyan", "Wire Size": "cyan"}, "report": {"header": "3 PHASE MOTOR DATA", )j"
        R"j("body": "VOLTAGE=460  HP=150  AMPS=180  BREAKER=300  STARTER=5  HEATER AMPS=225  WIRE=0000", "trailer": " "}})j"},
    JsonCase{"MotorDataByPosition", {"motordata", "--json", "hp=19"},
        R"j({"calculator": "motordata", "inputs": {"hp": "150", "volts": "230"}, )j"
        R"j("results": {"Motor Amps": "360", "Breaker": "600", "Starter Size": "6", "Heater Amp": "450", "Wire Size": "700MCM"}, )j"
        R"j("colors": {"Motor Amps": "cyan", "Breaker": "cyan", "Starter Size": "cyan", "Heater Amp": "cyan", "Wire Size": "cyan"}, "report": {"header": "3 PHASE MOTOR DATA", )j"
        R"j("body": "VOLTAGE=230  HP=150  AMPS=360  BREAKER=600  STARTER=6  HEATER AMPS=450  WIRE=700MCM", "trailer": " "}})j"},
    JsonCase{"MotorAmpsThreePhase", {"motor.amps", "--json", "hp=10", "volts=460", "efficiency=90", "pf=85", "phase=3"},
        R"j({"calculator": "motor.amps", "inputs": {"hp": "10", "volts": "460", "efficiency": "90", "pf": "85", "phase": "3"}, )j"
        R"j("results": {"Amps": "12.23972536"}, "colors": {"Amps": "cyan"}, "report": {"header": "AMPS=(HORSE POWER x 746) ÷ VOLTS x EFFICIENCY x PF x 1.732     ", )j"
        R"j("body": "12.23972536=(10 x 746) ÷ 460 x 90 x 85 x 1.732", "trailer": " "}})j"},
    JsonCase{"MotorEfficiencyClamped", {"motor.hp", "--json", "volts=230", "amps=10", "efficiency=5"},
        R"j({"calculator": "motor.hp", "inputs": {"volts": "230", "amps": "10", "efficiency": "10", "pf": "100.", "phase": "dc"}, )j"
        R"j("results": {"Horsepower": ".308310992"}, "colors": {"Horsepower": "cyan"}, "report": {"header": "HORSE POWER=(VOLTS x AMPS x EFFICIENCY) ÷ 746     ", )j"
        R"j("body": ".308310992=(230 x 10 x 10) ÷ 746", "trailer": " "}})j"},
    JsonCase{"WattsKiloNamesTheResultKilo", {"watts.ei", "--json", "volts=480", "amps=100", "pf=90", "phase=3", "unit=kilo"},
        R"j({"calculator": "watts.ei", "inputs": {"volts": "480", "amps": "100", "pf": "90", "phase": "3", "unit": "kilo"}, )j"
        R"j("results": {"Kilo": "74.8224"}, "colors": {}, "report": {"header": "WATTS=VOLTS x AMPS x PF x 1.732     ", )j"
        R"j("body": "74.8224=480 x 100 x 90 x 1.732", "trailer": " "}})j"}
), [](const auto& info) { return std::string(info.param.name); });

// The drop in DC, named as the page names it there, and the three per cent warning.
INSTANTIATE_TEST_SUITE_P(Conductors, CliJsonTest, testing::Values(
    JsonCase{"VoltDropDc", {"voltdrop", "--json", "mode=dc", "size=12 solid", "temperature=20", "pf=5"},
        R"j({"calculator": "voltdrop", "inputs": {"mode": "dc", "conductor": "Uncoated Copper", "size": "# 12 Solid", )j"
        R"j("conduit": "PVC", "length": "20", "amps": "10", "pf": "30", "temperature": "20", "volts": "230"}, )j"
        R"j("results": {"Line To Line": "NA", "% Line Volt Drop": "NA", "Volt Drop": ".63485", "% Volt Drop": ".27602", )j"
        R"j("Lowest Voltage": "229.36515"}, "colors": {"Line To Line": "cyan", "% Line Volt Drop": "cyan", )j"
        R"j("Volt Drop": "cyan", "% Volt Drop": "cyan", "Lowest Voltage": "cyan"}, "report": {"header": "VOLTAGE DROP", )j"
        R"j("body": "PHASE=DC VOLTS=230 WIRE=Uncoated Copper LENGTH=20 AMPS=10 SIZE=# 12 Solid LOWEST=229.36515", "trailer": " "}})j"},
    JsonCase{"VoltDropWarning", {"voltdrop", "--json", "mode=3", "length=400", "amps=30", "volts=208"},
        R"j({"calculator": "voltdrop", "inputs": {"mode": "3", "conductor": "Uncoated Copper", "size": "# 14", )j"
        R"j("conduit": "PVC", "length": "400", "amps": "30", "pf": "85", "temperature": "75", "volts": "208"}, )j"
        R"j("results": {"Line To Line": "55.40086", "% Line Volt Drop": "26.63503", "Line To Neutral": "31.98664", )j"
        R"j("% Neutral Volt Drop": "15.37819", "Lowest Voltage": "152.59914"}, "colors": {"Line To Line": "cyan", )j"
        R"j("% Line Volt Drop": "red", "Line To Neutral": "cyan", "% Neutral Volt Drop": "red", "Lowest Voltage": "cyan"}, )j"
        R"j("report": {"header": "VOLTAGE DROP", "body": "PHASE=3 VOLTS=208 WIRE=Uncoated Copper LENGTH=400 AMPS=30 )j"
        R"j(SIZE=# 14 LOWEST=152.59914", "trailer": " "}})j"},
    // The selections added first, one refused as on the page; the too-many warning.
    JsonCase{"ConduitTooMany", {"conduit", "--json", "conduit=emt", "add=3,1000 Mill,RHH;0,14,THHN",
                                "wire=1000 Mill", "insulation=RHH", "count=1"},
        R"j({"calculator": "conduit", "inputs": {"conduit": "EMT", "wire": "1000 Mill", "insulation": "RHH", )j"
        R"j("count": "1", "add": "3,1000 Mill,RHH;0,14,THHN"}, "results": {"% Fill": "40", )j"
        R"j("Current Selection Area": "1.7719", "Total Selection Area": "7.0876", "Conduit Size": "None", )j"
        R"j("Conduit Usable Area": "Too Many Wires"}, "colors": {"Conduit Size": "cyan"}, )j"
        R"j("list": ["    3\t  #1000 Mill\t  RHH"], "warning": "Too Many Conductors Have Been Selected!", )j"
        R"j("report": {"header": "MINIMUM CONDUIT SIZE", "body": "WIRE AREA TOTAL = 7.0876  MINIMUM CONDUIT SIZE = None", )j"
        R"j("trailer": " "}})j"},
    JsonCase{"BoxFill", {"boxfill", "--json", "add=3,14;2,6", "box=8", "wire=12", "count=2"},
        R"j({"calculator": "boxfill", "inputs": {"box": "4-11/16 x 2-1/8 Square", "wire": "12", "count": "2", )j"
        R"j("add": "3,14;2,6"}, "results": {"Min. Standard Box Capacity": "42.0", "Current Selection": "4.5", )j"
        R"j("Minimum Box Size CUIN": "20.5"}, "colors": {"Minimum Box Size CUIN": "cyan"}, )j"
        R"j("list": ["    3        #14", "    2        #6"], "warning": null, "report": {"header": )j"
        R"j("MINIMUM BOX SIZE CALCULATION     ", "body": "MINIMUM BOX SIZE=20.5 Cu. Inch", "trailer": " "}})j"}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(Cli, PlainOutputNamesResultsByTheirLabels)
{
    const Outcome outcome = RunCalc({"amps.pr", "watts=100", "ohms=2", "pf=50", "phase=1"});
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.out, "Amps = 10.\n"
                           "AMPS=SQUARE ROOT OF (WATTS ÷ (OHMS x PF))     \n"
                           "10.=Square Root Of (100 ÷ (2 x 50)) \n");
}

TEST(Cli, ListShowsEveryCalculatorWithItsDefaults)
{
    const Outcome outcome = RunCalc({"--list"});
    EXPECT_EQ(outcome.status, 0);
    for (const char* expected : {"amps.er", "amps.pe", "amps.pr", "pf = 100.", "pf = 100\n",
                                 "phase = dc  (dc, 1, 2, 3)", "unit = watts  (watts, kilo)"}) {
        EXPECT_NE(outcome.out.find(expected), std::string::npos) << expected;
    }
}

struct ErrorCase
{
    const char* name;
    std::vector<std::string> args;
    const char* message;
};

std::ostream& operator<<(std::ostream& os, const ErrorCase& c)
{
    return os << c.name;
}

class CliErrorTest : public testing::TestWithParam<ErrorCase>
{
};

TEST_P(CliErrorTest, ExitsWithStatusTwoAndOneClearLine)
{
    const Outcome outcome = RunCalc(GetParam().args);
    EXPECT_EQ(outcome.status, 2);
    EXPECT_EQ(outcome.out, "");
    EXPECT_EQ(outcome.err, std::string("tavo-calc: ") + GetParam().message + "\n");
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Errors, CliErrorTest, testing::Values(
    ErrorCase{"UnknownCalculator", {"amps.xy"},
              "unknown calculator \"amps.xy\"; valid calculators: amps.er, amps.pe, amps.pr, "
              "volts.rxi, volts.pi, volts.pr, watts.ei, watts.ri, watts.er, ohms.ei, ohms.ep, "
              "ohms.pi, motor.amps, motor.hp, xformer, motordata, ground, ampacity, voltdrop, conduit, "
              "boxfill, convert.temp, convert.length, convert.metric, convert.cm, circuit"},
    ErrorCase{"AluminumHasNoFourteen", {"voltdrop", "size=# 14", "conductor=aluminum"},
              "invalid size \"# 14\" for voltdrop; valid choices: # 12, # 10, # 8, # 6, # 4, # 3, "
              "# 2, # 1, 0, 00, 000, 0000, 250 Mill, 300 Mill, 350 Mill, 400 Mill, 500 Mill, "
              "600 Mill, 750 Mill, 1000 Mill"},
    ErrorCase{"ConduitSelectionUnread", {"conduit", "add=3,14"},
              "invalid add \"3,14\" for conduit: each selection is COUNT,WIRE,INSULATION"},
    ErrorCase{"NoCoatedCopperInAc", {"voltdrop", "conductor=coated copper"},
              "invalid conductor \"coated copper\" for voltdrop; valid choices: Uncoated Copper, "
              "Aluminum"},
    ErrorCase{"TransformerPhaseTwo", {"xformer", "phase=2"},
              "invalid phase \"2\" for xformer; valid choices: 1, 3"},
    ErrorCase{"MotorHasNoPowerUnit", {"motor.amps", "unit=kilo"},
              "unknown input \"unit\" for motor.amps; valid inputs: hp, volts, efficiency, pf, phase"},
    ErrorCase{"MotorDataVoltage", {"motordata", "volts=240"},
              "invalid volts \"240\" for motordata; valid choices: 230, 460"},
    ErrorCase{"UnknownInput", {"amps.er", "watts=5"},
              "unknown input \"watts\" for amps.er; valid inputs: volts, ohms"},
    ErrorCase{"UnknownChoice", {"amps.pe", "phase=4"},
              "invalid phase \"4\" for amps.pe; valid choices: dc, 1, 2, 3"},
    ErrorCase{"UnknownUnit", {"amps.pr", "unit=mega"},
              "invalid unit \"mega\" for amps.pr; valid choices: watts, kilo"},
    ErrorCase{"NotAnAssignment", {"amps.er", "120"},
              "expected INPUT=TEXT, got \"120\"; valid inputs of amps.er: volts, ohms"},
    ErrorCase{"CircuitLoadNotANumber", {"circuit", "load=40a"},
              "invalid load \"40a\" for circuit: a number greater than 0"},
    ErrorCase{"CircuitMisspeltInput", {"circuit", "lenght=300"},
              "unknown input \"lenght\" for circuit; valid inputs: load, unit, pf, continuous, "
              "system, neutral, volts, length, sets, material, rating, insulation, terminals, "
              "ambient, ambientunit, ccc, raceway, racewaymetal, maxdrop, ocpd, size, egc, "
              "edition, circuit, raceway_id"},
    ErrorCase{"CircuitSizeInParallel", {"circuit", "sets=2", "size=4", "system=dc"},
              "invalid size \"4\" for circuit: auto or a conductor size of DC copper in "
              "parallel: 1/0, 2/0, 3/0, 4/0, 250, 300, 350, 400, 500, 600, 700, 750, 800, 900, "
              "1000"}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// Texts a script or a careless paste may hand to any input of any calculator.
std::vector<std::string> HostileTexts()
{
    return {"\xff",
            "\xc0\xb1\xc0\xb2",  // an overlong "12"
            "1\xc0\x80",         // an overlong NUL
            "\xed\xa0\x80",      // a surrogate
            "\xf4\x90\x80\x80",  // beyond Unicode
            "\xe2\x82",          // cut short
            "\x1b[2J",           // a terminal command
            "1\t2",
            "\x7f",
            "\xc2\x85",  // a control character of the upper range
            std::string(100000, '9'),
            "." + std::string(500, '0') + "1",
            "1e99999999999999",
            "-1e-99999999999",
            "nan",
            "inf",
            "0x1p3",
            "",
            "=",
            "\"\\/\u2603",
            "\U0001D7D9",  // a mathematical digit one
            std::string(4000, 'x') + "\u00F7"};
}

bool Refused(const std::string& text)
{
    if (!tavo::IsValidUtf8(text)) {
        return true;
    }
    char32_t c = 0;
    for (size_t i = 0; i < text.size();) {
        const size_t length = tavo::NextUtf8(std::string_view(text).substr(i), &c);
        if (c < 0x20 || (c >= 0x7F && c < 0xA0)) {
            return true;
        }
        i += length;
    }
    return false;
}

// Every calculator, every input, every hostile text: a text that is not clean UTF-8 ends with
// status 2 and one clear line; any other gives valid JSON, or a refused choice. Nothing crashes
// or hangs, and everything printed is UTF-8. A test per calculator, so that they run side by side.
class CliHostileTextTest : public testing::TestWithParam<const tavo::Calculator*>
{
};

TEST_P(CliHostileTextTest, RefusedOrReadCleanly)
{
    const tavo::Calculator* calculator = GetParam();
    int runs = 0;
    for (const tavo::Input& input : calculator->inputs) {
        for (const std::string& text : HostileTexts()) {
            const std::string given = std::string(input.name) + "=" + text;
            const Outcome outcome = RunCalc({std::string(calculator->name), "--json", given});
            ++runs;
            SCOPED_TRACE(std::string(calculator->name) + " " + std::string(input.name) + " " +
                         std::to_string(text.size()) + " bytes");
            ASSERT_GE(outcome.status, 0) << "crashed or hung";
            EXPECT_TRUE(tavo::IsValidUtf8(outcome.out));
            EXPECT_TRUE(tavo::IsValidUtf8(outcome.err));
            const bool noChoice =
                input.isChoice() && !input.editable && input.optionIndex(text) < 0;
            const bool unreadable = input.check && !input.check(text).empty();
            // A text that the calculation reads itself, as the circuit check reads all of
            // its inputs, is refused where the calculation says so.
            bool refusedByCalculation = false;
            if (input.kind == tavo::InputKind::Text && !Refused(text)) {
                tavo::InputValues values = tavo::OpeningValues(*calculator);
                values[size_t(calculator->inputIndex(input.name))].text =
                    tavo::Utf8ToWindows1252(text);
                refusedByCalculation = tavo::Evaluate(*calculator, values).refused.has_value();
            }
            if (Refused(text) || noChoice || unreadable || refusedByCalculation) {
                EXPECT_EQ(outcome.status, 2);
                EXPECT_EQ(outcome.out, "");
                EXPECT_EQ(std::count(outcome.err.begin(), outcome.err.end(), '\n'), 1);
                continue;
            }
            ASSERT_EQ(outcome.status, 0) << outcome.err;
            const auto json = nlohmann::json::parse(outcome.out, nullptr, false);
            ASSERT_FALSE(json.is_discarded()) << outcome.out.substr(0, 200);
            for (const auto& [name, result] : json["results"].items()) {
                const std::string shown = result.get<std::string>();
                if (calculator->converts && shown == text) {
                    continue;  // the box converted from, as typed
                }
                const bool namesNumbers =
                    text.find("nan") != std::string::npos || text.find("inf") != std::string::npos;
                if (namesNumbers && shown.find(text) != std::string::npos) {
                    continue;  // a name the user gave, such as a circuit's, echoed
                }
                EXPECT_EQ(shown.find("nan"), std::string::npos) << name;
                EXPECT_EQ(shown.find("inf"), std::string::npos) << name;
            }
            // The report as the page keeps it: no line longer than its room.
            EXPECT_LE(tavo::Utf8ToWindows1252(json["report"]["header"].get<std::string>()).size(),
                      99u);
            EXPECT_LE(tavo::Utf8ToWindows1252(json["report"]["body"].get<std::string>()).size(),
                      199u);
        }
    }
    EXPECT_GT(runs, 0);
}

INSTANTIATE_TEST_SUITE_P(Cli, CliHostileTextTest, testing::ValuesIn(tavo::AllCalculators()),
                         [](const auto& info) {
                             std::string name(info.param->name);
                             std::replace(name.begin(), name.end(), '.', '_');
                             return name;
                         });

TEST(Cli, NoArgumentsPrintsUsage)
{
    const Outcome outcome = RunCalc({});
    EXPECT_EQ(outcome.status, 2);
    EXPECT_NE(outcome.err.find("usage: tavo-calc"), std::string::npos);
}

TEST(Cli, HelpAndVersion)
{
    const Outcome help = RunCalc({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("usage: tavo-calc --list\n", 0), 0u);
    const Outcome version = RunCalc({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "tavo-calc " TAVO_VERSION "\n");
    EXPECT_EQ(version.err, "");
}

// ---- The CSV batch ----

std::string TempFile(const std::string& name, const std::string& bytes)
{
    static const std::string folder = [] {
        char pattern[] = "/tmp/tavo-csv-XXXXXX";
        return std::string(mkdtemp(pattern));
    }();
    const std::string path = folder + "/" + name;
    FILE* file = std::fopen(path.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
    return path;
}

// Reads CSV as RFC 4180 has it: the rows, each a list of fields.
std::vector<std::vector<std::string>> ParseCsv(const std::string& text)
{
    std::vector<std::vector<std::string>> rows(1, std::vector<std::string>(1));
    bool quoted = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        std::string& field = rows.back().back();
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            rows.back().emplace_back();
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            rows.emplace_back(1);
        } else {
            field += c;
        }
    }
    if (rows.back() == std::vector<std::string>(1)) {
        rows.pop_back();
    }
    return rows;
}

// "Label = text" lines of a single run.
std::vector<std::pair<std::string, std::string>> PlainResults(const std::string& out)
{
    std::vector<std::pair<std::string, std::string>> results;
    size_t at = 0;
    while (at < out.size()) {
        const size_t end = out.find('\n', at);
        const std::string line = out.substr(at, end - at);
        const size_t equals = line.find(" = ");
        if (equals != std::string::npos) {
            results.emplace_back(line.substr(0, equals), line.substr(equals + 3));
        }
        at = end == std::string::npos ? out.size() : end + 1;
    }
    return results;
}

TEST(CliCsv, EachRowAgreesWithASingleRunAndCarriesItsOwnColumns)
{
    const std::string input = "circuit,mode,length,amps,volts,note\r\n"
                              "A1,3,100,20,480,\"kitchen, east\"\r\n"
                              "A2,DC,50,10,24,  spaced  \r\n"
                              "\"A\"\"3\",1,75,30,\"240\",\"two\r\nlines\"\r\n";
    const Outcome outcome = RunCalc({"voltdrop", "--csv", TempFile("feeders.csv", input)});
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(outcome.out.find('\n'), outcome.out.find('\r') + 1);  // CR LF kept
    const auto rows = ParseCsv(outcome.out);
    ASSERT_EQ(rows.size(), 4u);
    const std::vector<std::string> header = rows[0];
    ASSERT_GE(header.size(), 9u);
    EXPECT_EQ(std::vector<std::string>(header.begin(), header.begin() + 6),
              (std::vector<std::string>{"circuit", "mode", "length", "amps", "volts", "note"}));
    EXPECT_EQ(std::vector<std::string>(header.end() - 3, header.end()),
              (std::vector<std::string>{"report header", "report body", "error"}));
    const std::vector<std::vector<std::string>> given = {
        {"A1", "3", "100", "20", "480", "kitchen, east"},
        {"A2", "DC", "50", "10", "24", "  spaced  "},
        {"A\"3", "1", "75", "30", "240", "two\r\nlines"}};
    for (size_t r = 0; r < given.size(); ++r) {
        SCOPED_TRACE(given[r][0]);
        const auto& row = rows[r + 1];
        ASSERT_EQ(row.size(), header.size());
        EXPECT_EQ(std::vector<std::string>(row.begin(), row.begin() + 6), given[r]);
        const Outcome single = RunCalc({"voltdrop", "mode=" + given[r][1], "length=" + given[r][2],
                                        "amps=" + given[r][3], "volts=" + given[r][4]});
        ASSERT_EQ(single.status, 0);
        const auto results = PlainResults(single.out);
        ASSERT_EQ(results.size(), header.size() - 9);
        for (size_t i = 0; i < results.size(); ++i) {
            EXPECT_EQ(row[6 + i], results[i].second) << results[i].first;
        }
        // The report's header and body lines follow the results.
        EXPECT_NE(single.out.find(row[header.size() - 3] + "\n" + row[header.size() - 2]),
                  std::string::npos);
        EXPECT_EQ(row.back(), "");
    }
}

TEST(CliCsv, ByteOrderMarkLineFeedsAndStandardInput)
{
    // LF only and a byte-order mark: both kept; inputs not in the header keep their defaults;
    // a short row is filled out to the header's width.
    const std::string input = "\xEF\xBB\xBF"
                              "amps,extra\n12,x\n7\n";
    const std::string path = TempFile("bom.csv", input);
    const Outcome fromFile = RunCalc({"voltdrop", "--csv", path});
    const Outcome fromInput = RunCalc({"voltdrop", "--csv", "-"}, path);
    ASSERT_EQ(fromFile.status, 0) << fromFile.err;
    EXPECT_EQ(fromInput.status, 0);
    EXPECT_EQ(fromInput.out, fromFile.out);
    EXPECT_EQ(fromFile.out.rfind("\xEF\xBB\xBF"
                                 "amps,extra,",
                                 0),
              0u);
    EXPECT_EQ(fromFile.out.find('\r'), std::string::npos);
    const auto rows = ParseCsv(fromFile.out.substr(3));
    ASSERT_EQ(rows.size(), 3u);
    const auto single = PlainResults(RunCalc({"voltdrop", "amps=7"}).out);
    EXPECT_EQ(rows[2][1], "");
    EXPECT_EQ(rows[2][2], single[0].second);
    EXPECT_EQ(rows[1][1], "x");
}

TEST(CliCsv, ABadRowSaysWhyAndTheOthersGoOn)
{
    const std::string input =
        "mode,size,amps\n1,# 10,20\n1,# 99,20\n3,# 12,\x01\n1,# 8,5,extra\n1,,1\n";
    const Outcome outcome = RunCalc({"voltdrop", "--csv", TempFile("bad.csv", input)});
    EXPECT_EQ(outcome.status, 1);
    const auto rows = ParseCsv(outcome.out);
    ASSERT_EQ(rows.size(), 6u);
    EXPECT_EQ(rows[1].back(), "");
    EXPECT_NE(rows[1][3], "");
    EXPECT_NE(rows[2].back().find("invalid size \"# 99\" for voltdrop; valid choices: # 14"),
              std::string::npos);
    EXPECT_EQ(rows[2][3], "");  // no result for a row that failed
    EXPECT_NE(rows[3].back().find("holds a control character: \"\\x01\""), std::string::npos);
    EXPECT_EQ(rows[4].back(), "the row has 4 fields, the header 3");
    EXPECT_NE(rows[5].back().find("invalid size \"\""), std::string::npos);

    const Outcome json = RunCalc({"voltdrop", "--json", "--csv", TempFile("bad.csv", input)});
    EXPECT_EQ(json.status, 1);
    std::vector<nlohmann::json> objects;
    size_t at = 0;
    while (at < json.out.size()) {
        const size_t end = json.out.find('\n', at);
        objects.push_back(nlohmann::json::parse(json.out.substr(at, end - at)));
        at = end + 1;
    }
    ASSERT_EQ(objects.size(), 5u);
    EXPECT_EQ(objects[0]["inputs"]["size"], "# 10");
    EXPECT_EQ(objects[0]["results"],
              nlohmann::json::parse(
                  RunCalc({"voltdrop", "--json", "size=# 10", "amps=20"}).out)["results"]);
    EXPECT_EQ(objects[1]["row"], 2);
    EXPECT_TRUE(objects[1]["error"].get<std::string>().starts_with("invalid size"));
}

TEST(CliCsv, UnreadableFilesAndBadCommandLinesEndWithStatusTwo)
{
    const std::string good = TempFile("good.csv", "amps\n1\n");
    const std::vector<std::vector<std::string>> cases = {
        {"voltdrop", "--csv", "/no/such/file.csv"},
        {"voltdrop", "--csv", "/tmp"},
        {"voltdrop", "--csv"},
        {"voltdrop", "--csv", good, "amps=3"},
        {"voltdrop", "--csv", TempFile("open.csv", "amps,note\n1,\"never closed\n")},
        {"voltdrop", "--csv", TempFile("twice.csv", "amps,amps\n1,2\n")},
        {"voltdrop", "--csv", TempFile("stray.csv", "amps,note\n1,3/4\" pipe\n")},
    };
    for (const auto& args : cases) {
        SCOPED_TRACE(args.back());
        const Outcome outcome = RunCalc(args);
        EXPECT_EQ(outcome.status, 2);
        EXPECT_EQ(outcome.err.rfind("tavo-calc: ", 0), 0u) << outcome.err;
        EXPECT_EQ(std::count(outcome.err.begin(), outcome.err.end(), '\n'), 1);
    }
}

// ---- The circuit check ----

TEST(CliCircuit, OneCircuitPlainAndJson)
{
    const std::vector<std::string> args = {"circuit", "load=40", "system=1", "volts=240",
                                           "length=300"};
    const Outcome plain = RunCalc(args);
    ASSERT_EQ(plain.status, 0) << plain.err;
    const auto results = PlainResults(plain.out);
    const std::map<std::string, std::string> byName(results.begin(), results.end());
    EXPECT_EQ(byName.at("Status"), "OK");
    EXPECT_EQ(byName.at("Size"), "4 AWG");
    EXPECT_EQ(byName.at("Decided By"), "voltage drop");
    EXPECT_EQ(byName.at("Ampacity Margin"), "30.00");
    EXPECT_EQ(byName.at("Volt Drop Margin"), "0.05");
    EXPECT_EQ(byName.at("EGC"), "6 AWG copper");
    EXPECT_EQ(byName.at("Raceway"), "1 inch EMT");
    EXPECT_NE(plain.out.find("\nTrace:\n  Edition: 2023"), std::string::npos);
    EXPECT_NE(plain.out.find("\nCIRCUIT CHECK\nCIRCUIT=1 LOAD=40.00 A"), std::string::npos);

    std::vector<std::string> withJson = args;
    withJson.push_back("--json");
    const Outcome json = RunCalc(withJson);
    ASSERT_EQ(json.status, 0) << json.err;
    const auto object = nlohmann::json::parse(json.out);
    EXPECT_EQ(object["results"]["Size"], "4 AWG");
    EXPECT_EQ(object["results"].size(), tavo::kCircuit.results.size());
    EXPECT_EQ(object["inputs"]["maxdrop"], "3");  // a default, as taken
    EXPECT_EQ(object["inputs"]["length"], "300");
    ASSERT_TRUE(object["trace"].is_array());
    EXPECT_EQ(object["trace"].back(), "Status: OK");

    const Outcome given = RunCalc({"circuit", "load=40", "length=300", "size=6"});
    EXPECT_NE(given.out.find("Status = FAILS: voltage drop\n"), std::string::npos);
}

TEST(CliCircuit, ListShowsItsInputsAndChoices)
{
    const Outcome outcome = RunCalc({"--list"});
    EXPECT_NE(outcome.out.find("\ncircuit  Sizes a whole feeder"), std::string::npos);
    EXPECT_NE(outcome.out.find("\n    unit = amps  (amps, kva, kw)\n"), std::string::npos);
    EXPECT_NE(outcome.out.find("\n    edition = 2023  (2023, 2008)\n"), std::string::npos);
    EXPECT_NE(outcome.out.find("\n    size = auto\n"), std::string::npos);
}

// A schedule whose raceway's rows are apart, a row refused, and the same from the standard input.
TEST(CliCircuit, ScheduleSharesRacewaysAcrossTheFile)
{
    const std::string input = "circuit,load,system,volts,length,raceway_id,note\r\n"
                              "A,30,3,480,50,R1,first\r\n"
                              "X,10,1,240,50,,alone\r\n"
                              "B,30,3,480,50,R1,\r\n"
                              "Y,ten,1,240,50,R1,refused\r\n"
                              "C,30,3,480,50,R1,\"last, in R1\"\r\n";
    const std::string path = TempFile("schedule.csv", input);
    const Outcome outcome = RunCalc({"circuit", "--csv", path});
    EXPECT_EQ(outcome.status, 1);
    const auto rows = ParseCsv(outcome.out);
    ASSERT_EQ(rows.size(), 6u);
    const std::vector<std::string>& header = rows[0];
    const auto column = [&](const std::string& name) {
        return size_t(std::find(header.begin(), header.end(), name) - header.begin());
    };
    ASSERT_LT(column("Raceway Circuits"), header.size());
    for (size_t row : {1u, 3u, 5u}) {
        EXPECT_EQ(rows[row][column("Size")], "6 AWG") << row;
        EXPECT_EQ(rows[row][column("Raceway Name")], "R1");
        EXPECT_EQ(rows[row][column("Raceway Circuits")], "A, B, C");
        EXPECT_EQ(rows[row][column("Raceway Conductors")],
                  "9 × 6 AWG THHN, 1 × 10 AWG THHN (grounding)");
        EXPECT_EQ(rows[row][column("error")], "");
    }
    EXPECT_EQ(rows[5][column("note")], "last, in R1");
    EXPECT_EQ(rows[2][column("Raceway Circuits")], "X");
    EXPECT_EQ(rows[4][column("error")],
              "invalid load \"ten\" for circuit: a number greater than 0");
    const Outcome piped = RunCalc({"circuit", "--csv", "-"}, path);
    EXPECT_EQ(piped.status, 1);
    EXPECT_EQ(piped.out, outcome.out);

    const Outcome json = RunCalc({"circuit", "--json", "--csv", path});
    std::vector<nlohmann::json> objects;
    for (size_t at = 0; at < json.out.size();) {
        const size_t end = json.out.find('\n', at);
        objects.push_back(nlohmann::json::parse(json.out.substr(at, end - at)));
        at = end + 1;
    }
    ASSERT_EQ(objects.size(), 5u);
    EXPECT_EQ(objects[2]["results"]["Raceway Circuits"], "A, B, C");
    EXPECT_EQ(objects[3]["row"], 4);
    EXPECT_TRUE(objects[0]["trace"].is_array());
}

}  // namespace
