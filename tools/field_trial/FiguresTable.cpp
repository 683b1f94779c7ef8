#include "tools/field_trial/FiguresTable.h"

#include <algorithm>
#include <cstdio>
#include <optional>

namespace tools {
namespace field_trial {

namespace {

/// The value with the format, or "-" when it is absent.
std::string cell(const std::optional<double>& value, const char* format, double scale = 1.0) {
    if (!value) {
        return "-";
    }
    char text[64];
    std::snprintf(text, sizeof text, format, *value * scale);
    return text;
}

std::string pair(const std::string& first, const std::string& second) {
    return first == "-" && second == "-" ? "-" : first + " / " + second;
}

std::string speed(const TrialFigures& figures) {
    if (figures.meanSpeed && figures.turnRate) {
        return cell(figures.meanSpeed, "%.2f m/s") + ", " + cell(figures.turnRate, "%.0f deg/s");
    }
    return figures.meanSpeed ? cell(figures.meanSpeed, "%.2f m/s") : cell(figures.turnRate, "%.0f deg/s");
}

/// The mean time, and how many got up of how many falls, how many of them in time.
std::string getUp(const std::optional<double>& attempts, const std::optional<double>& getUps,
                  const std::optional<double>& seconds, const std::optional<double>& inTime,
                  const std::optional<double>& limit) {
    if (!attempts) {
        return "-";
    }
    std::string counts = cell(getUps, "%.0f") + "/" + cell(attempts, "%.0f");
    if (inTime && limit) {
        counts += ", " + cell(inTime, "%.0f") + " within " + cell(limit, "%.1f s");
    }
    return cell(seconds, "%.1f s") + " (" + counts + ")";
}

bool isMatch(const TrialFigures& row) { return row.body == TrialFigures::OWN_BODIES; }

std::string result(const TrialFigures& row) { return row.failure.empty() ? "ran" : row.failure; }

void printTrials(const std::vector<TrialFigures>& figures, std::ostream& out) {
    out << "| trial | body | falls | upright | speed | get-up in place (up/fell, in time) | get-up walking | "
           "kick m / deg | position rms / p95 m | heading rms deg | odometry per step m / deg | cpu ms mean / max | "
           "missed | not finite | result |\n"
        << "|---|---|---|---|---|---|---|---|---|---|---|---|---|---|---|\n";
    for (const TrialFigures& row : figures) {
        if (isMatch(row)) {
            continue;
        }
        out << "| " << row.trial << " | " << row.body << " | " << cell(row.falls, "%.0f") << " | "
            << cell(row.uprightShare, "%.0f %%", 100.0) << " | " << speed(row) << " | "
            << getUp(row.getUpAttempts, row.getUps, row.getUpTime, row.getUpsInTime, row.getUpTimeLimit) << " | "
            << getUp(row.getUpAttemptsWalking, row.getUpsWalking, row.getUpTimeWalking, row.getUpsInTimeWalking,
                     row.getUpTimeLimit)
            << " | "
            << pair(cell(row.kickDistance, "%.2f"), cell(row.kickDirectionError, "%+.1f")) << " | "
            << pair(cell(row.positionRms, "%.3f"), cell(row.positionP95, "%.3f")) << " | "
            << cell(row.headingRms, "%.1f") << " | "
            << pair(cell(row.odometryTranslationRms, "%.3f"), cell(row.odometryRotationRms, "%.1f")) << " | "
            << pair(cell(row.cpuMean, "%.2f"), cell(row.cpuMax, "%.2f")) << " | " << cell(row.missedCycles, "%.0f")
            << " | " << cell(row.notFiniteCycles, "%.0f") << " | " << result(row) << " |\n";
    }
}

void printMatches(const std::vector<TrialFigures>& figures, std::ostream& out) {
    out << "| trial | game s | score | goals | falls (left / right) | re-falls | got up / fell | get-up s | ball m | "
           "cpu ms mean / max | missed | not finite | result |\n"
        << "|---|---|---|---|---|---|---|---|---|---|---|---|---|\n";
    for (const TrialFigures& row : figures) {
        if (!isMatch(row)) {
            continue;
        }
        const std::string score =
            row.leftScore && row.rightScore ? cell(row.leftScore, "%.0f") + ":" + cell(row.rightScore, "%.0f") : "-";
        out << "| " << row.trial << " | " << cell(row.seconds, "%.0f") << " | " << score << " | "
            << cell(row.goals, "%.0f") << " | " << cell(row.falls, "%.0f") << " ("
            << pair(cell(row.leftFalls, "%.0f"), cell(row.rightFalls, "%.0f")) << ") | " << cell(row.reFalls, "%.0f")
            << " | "
            << pair(cell(row.getUps, "%.0f"), cell(row.falls, "%.0f")) << " | " << cell(row.getUpTime, "%.1f") << " | "
            << cell(row.ballTravel, "%.1f") << " | " << pair(cell(row.cpuMean, "%.2f"), cell(row.cpuMax, "%.2f"))
            << " | " << cell(row.missedCycles, "%.0f") << " | " << cell(row.notFiniteCycles, "%.0f") << " | "
            << result(row) << " |\n";
    }
}

} // namespace

void FiguresTable::print(const std::vector<TrialFigures>& figures, std::ostream& out) {
    const auto matches = std::count_if(figures.begin(), figures.end(), isMatch);
    if (matches < static_cast<long>(figures.size())) {
        printTrials(figures, out);
    }
    if (matches > 0) {
        out << (matches < static_cast<long>(figures.size()) ? "\n" : "");
        printMatches(figures, out);
    }
}

const char* FiguresTable::columns() {
    return "  falls        times the player turned fallen (stand, walks, kicks)\n"
           "  upright      share of the trial's time spent upright (stand, walks)\n"
           "  speed        mean speed over ground while upright and asked to move; mean turning rate likewise\n"
           "  get-up       ten falls walking in place after the stand-up, ten walking straight ahead at the\n"
           "               top speed of navigation: the mean time from the first fallen frame to upright, over\n"
           "               the get-ups (upright within 20 s and upright still 5 s later); (how many got up / how\n"
           "               many times the fall page threw the player, how many got up within the time given)\n"
           "  kick         mean distance the ball went, and mean angle off the kick's direction (left +)\n"
           "  position, heading  the player's own pose estimate against the truth at the same game time\n"
           "  odometry     rms error of the walk's odometry over each step against the torso's true motion\n"
           "  cpu          CPU time of the player's thread per cycle\n"
           "  missed       server cycles without a message to the player\n"
           "  not finite   cycles whose joint commands or pose estimate were not all finite numbers\n"
           "The matches, in a table of their own (the team against itself, 22 processes of the agent's program,\n"
           "each choosing its body by its uniform number; the game time from the kick-off):\n"
           "  score, goals  left:right at the end; goals the referee gave\n"
           "  falls        times a player turned fallen, in all and per team\n"
           "  re-falls     falls within 2 s of the player's getting up\n"
           "  got up       falls after which the player stood upright again by itself before the end (the\n"
           "               referee's putting it back on its feet is none); get-up s, the mean time from turning\n"
           "               fallen to upright over those\n"
           "  ball         distance the ball travelled over the ground while in play (not placed by the referee)\n"
           "  cpu          CPU time of a player's process per 20 ms of game time from the kick-off: the mean over\n"
           "               the players, and the largest player's\n"
           "  missed       cycles the players missed: in sync mode the server waits for every player, so a\n"
           "               player misses cycles only once it has left the game (its process ended), every cycle\n"
           "               from then on; one that stops answering stops the clock, which fails the match\n"
           "  not finite   monitor messages (one every other cycle) in which the ball or a player's torso was\n"
           "               not all finite numbers\n";
}

} // namespace field_trial
} // namespace tools
