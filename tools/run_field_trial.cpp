// Measures the player on the real simulation server: standing, walking,
// getting up, kicking and localising, for each body type. See --help.
// Exit status 0 when every trial ran to its end, 1 when one did not (or, with
// --ci, when one failed its check), 2 for a bad command line or no server.
#include "tools/field_trial/FiguresTable.h"
#include "tools/field_trial/RealServer.h"
#include "tools/field_trial/TrialCatalogue.h"
#include "tools/field_trial/TrialScheduler.h"
#include "tools/field_trial/TrueBody.h"

#include <boost/program_options.hpp>

#include <algorithm>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

namespace {

namespace options = boost::program_options;
using namespace tools::field_trial;

constexpr int TRIALS_FAILED = 1;
constexpr int UNUSABLE = 2;

const char* const ABOUT =
    "run_field_trial: the player measured on the real simulation server. Each trial runs for a body type in a\n"
    "process of its own, against a fresh server on free loopback ports in sync mode (faster than real time and\n"
    "repeatable), with one player built from the agent's runtime whose decision making is a script, and the\n"
    "wizard on the monitor port for the truth and the trainer's commands. The server is the command in the\n"
    "environment variable RCSSSERVER3D (it takes --agent-port, --monitor-port and --sync).\n\n"
    "The matches (match-half: 300 s of game time, match-minute: 60 s) play the team against itself instead:\n"
    "22 processes of the agent's program of this build, eleven a side, each choosing its body type by its\n"
    "uniform number and reading the configuration below from the trial's folder. They are started one at a time,\n"
    "each once the wizard sees it on the field; the wizard kicks off once they stand, and watches the game until\n"
    "its clock reaches the match's end. Each player's output goes to a log file in the trial's folder, kept when\n"
    "the match fails: a player whose process ended before the end or not cleanly when asked to (SIGTERM), a\n"
    "missed cycle, or a truth not finite. A match runs with no other trial beside it.\n\n"
    "The figures are printed as a Markdown table and written, one object per trial and body type, to a JSON\n"
    "file. The columns:\n";

/// "path=file" of a --replace.
std::pair<std::string, std::string> replacement(const std::string& text) {
    const std::size_t equals = text.find('=');
    if (equals == std::string::npos || equals == 0 || equals + 1 == text.size()) {
        throw options::error("--replace takes path=file, not \"" + text + "\"");
    }
    return {text.substr(0, equals), text.substr(equals + 1)};
}

std::vector<TrialRun> chosenRuns(const TrialCatalogue& catalogue, const options::variables_map& given) {
    std::vector<TrialRun> runs;
    if (given.count("ci")) {
        if (given.count("trial") || given.count("body")) {
            throw options::error("--ci runs its own trials: give no --trial or --body with it");
        }
        for (const auto& [name, body] : TrialCatalogue::getCiSubset()) {
            runs.push_back({catalogue.select(name).at(0), body});
        }
        return runs;
    }
    std::vector<const Trial*> trials;
    if (!given.count("trial")) {
        for (const auto& trial : catalogue.getTrials()) {
            trials.push_back(trial.get());
        }
    }
    for (const std::string& name :
         given.count("trial") ? given["trial"].as<std::vector<std::string>>() : std::vector<std::string>()) {
        const std::vector<const Trial*> selected = catalogue.select(name);
        if (selected.empty()) {
            throw options::error("no trial is named " + name + " (--list names them)");
        }
        for (const Trial* trial : selected) {
            // A trial named twice, by itself and by its family, runs once.
            if (std::find(trials.begin(), trials.end(), trial) == trials.end()) {
                trials.push_back(trial);
            }
        }
    }
    std::vector<int> bodies = {0, 1, 2, 3, 4};
    if (given.count("body")) {
        bodies = given["body"].as<std::vector<int>>();
    }
    for (const int body : bodies) {
        if (body < 0 || body > 4) {
            throw options::error("there is no body type " + std::to_string(body) + " (0 to 4)");
        }
    }
    for (const Trial* trial : trials) {
        if (!trial->playsEachBody()) {
            runs.push_back({trial, TrialFigures::OWN_BODIES});
            continue;
        }
        for (const int body : bodies) {
            runs.push_back({trial, body});
        }
    }
    return runs;
}

/// With --ci: what fails a trial there, one line each.
std::vector<std::string> ciProblems(const std::vector<TrialRun>& runs, const std::vector<TrialFigures>& figures) {
    std::vector<std::string> problems;
    for (std::size_t row = 0; row < figures.size(); ++row) {
        const TrialFigures& result = figures[row];
        const std::string which = result.trial + ", body " + std::to_string(result.body) + ": ";
        if (!result.failure.empty()) {
            problems.push_back(which + result.failure);
        }
        if (result.notFiniteCycles.value_or(0.0) > 0.0) {
            problems.push_back(which + "joint commands or pose estimate not finite");
        }
        if (result.missedCycles.value_or(0.0) > 0.0) {
            problems.push_back(which + "missed cycles");
        }
        if (runs[row].trial->mustStayUp() && result.falls.value_or(0.0) > 0.0) {
            problems.push_back(which + "fell");
        }
    }
    return problems;
}

} // namespace

int main(int argc, char** argv) {
    const TrialCatalogue catalogue;
    options::options_description described("Options");
    described.add_options()("help", "this text")("list", "the trials' names, and the CI subset")(
        "trial", options::value<std::vector<std::string>>(),
        "a trial, or a family of them (\"walk\", \"kick\", \"get-up\", \"match\"), repeatable; default all")(
        "body", options::value<std::vector<int>>(),
        "a body type, 0 to 4, repeatable; default all (a match's players choose their own)")(
        "ci", "the short CI subset, failing on a crash, a figure not finite, a missed cycle, or a fall while "
              "standing or walking")("jobs,j", options::value<int>()->default_value(1), "trials run at once")(
        "configuration", options::value<std::string>()->default_value("../configuration/core"),
        "the configuration folder the players read (laid out as configuration/core)")(
        "replace", options::value<std::vector<std::string>>(),
        "path=file: the file in place of the configuration's file at path (e.g. "
        "control/walk/sprint-parameters.json=mine.json), repeatable")(
        "damage", options::value<double>()->default_value(0.0),
        "the share (0 to 1) of server messages damaged on their way to the player (not to a match's players, which "
        "connect to the server directly)")("seed", options::value<unsigned>()->default_value(1),
                                           "the seed of the damage")(
        "output", options::value<std::string>()->default_value("field_trial.json"), "the JSON file of the figures");

    options::variables_map given;
    std::vector<TrialRun> runs;
    ConfigurationChoice configuration;
    try {
        options::store(options::parse_command_line(argc, argv, described), given);
        options::notify(given);
        if (given.count("help")) {
            std::cout << ABOUT << FiguresTable::columns() << "\nUpright and fallen:\n"
                      << TrueBody::definitions() << "\n\n"
                      << described << std::endl;
            return EXIT_SUCCESS;
        }
        if (given.count("list")) {
            for (const auto& trial : catalogue.getTrials()) {
                std::cout << trial->getName() << "\n";
            }
            std::cout << "\nCI subset:";
            for (const auto& [name, body] : TrialCatalogue::getCiSubset()) {
                std::cout << " " << name << (body == TrialFigures::OWN_BODIES ? "" : "/" + std::to_string(body));
            }
            std::cout << std::endl;
            return EXIT_SUCCESS;
        }
        runs = chosenRuns(catalogue, given);
        const double damage = given["damage"].as<double>();
        if (!(damage >= 0.0 && damage <= 1.0)) {
            throw options::error("--damage takes a share from 0 to 1");
        }
        configuration.folder = given["configuration"].as<std::string>();
        if (given.count("replace")) {
            for (const std::string& text : given["replace"].as<std::vector<std::string>>()) {
                configuration.replacements.push_back(replacement(text));
            }
        }
    } catch (const options::error& error) {
        std::cerr << "run_field_trial: " << error.what() << " (--help lists the options)" << std::endl;
        return UNUSABLE;
    }
    if (RealServer::command().empty()) {
        std::cout << "run_field_trial: RCSSSERVER3D names no real server on this machine; no trial was run"
                  << std::endl;
        return UNUSABLE;
    }
    try {
        const TrialScheduler scheduler(
            configuration, Damage{given["damage"].as<double>(), given["seed"].as<unsigned>()}, given["jobs"].as<int>());
        const std::vector<TrialFigures> figures = scheduler.run(runs, std::cerr);
        FiguresTable::print(figures, std::cout);
        TrialFigures::writeFile(figures, given["output"].as<std::string>());
        if (given.count("ci")) {
            const std::vector<std::string> problems = ciProblems(runs, figures);
            for (const std::string& problem : problems) {
                std::cout << "CI: " << problem << "\n";
            }
            return problems.empty() ? EXIT_SUCCESS : TRIALS_FAILED;
        }
        for (const TrialFigures& result : figures) {
            if (!result.failure.empty()) {
                return TRIALS_FAILED;
            }
        }
        return EXIT_SUCCESS;
    } catch (const std::exception& error) {
        std::cerr << "run_field_trial: " << error.what() << std::endl;
        return UNUSABLE;
    }
}
