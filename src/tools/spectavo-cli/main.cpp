// spectavo-cli: the headless client of the instrument link, for scripts and lab automation.

#include <cstdio>
#include <cstring>
#include <map>
#include <string>

#include "argumentchecks.h"
#include "commands.h"
#include "core/config/profilefile.h"
#include "core/config/programdir.h"
#include "core/config/settingsfolder.h"
#include "core/link/hubloader.h"
#include "core/scan/wave/scansettings.h"
#include "documentcommands.h"
#include "filecommands.h"
#include "storecommands.h"
#include "usercommands.h"

namespace {

using namespace spectavo::cli;

constexpr const char *kUsage =
    "usage: spectavo-cli [--driver NAME|PATH] [--json] [--timeout SECONDS] COMMAND [ARGUMENTS]\n"
    "commands:\n"
    "  status                       link, model, serial, version, layout, wavelength range, status items\n"
    "  goto WL                      move to a wavelength (nm)\n"
    "  read [--wl WL] [--cell N]    one blank-corrected reading\n"
    "  blank                        take the next reading as the blank\n"
    "  measure --wl W1[,W2,...] [--cell N] [--blank | --blank-cell B]\n"
    "                               the fixed-point readout at up to 20 wavelengths; --blank measures\n"
    "                               the blanks in the sample's cell first and subtracts them,\n"
    "                               --blank-cell B measures them in cell B, then the sample in cell N\n"
    "  scan --from HIGH --to LOW --step-index K --filter-index F [--kind absorbance|baseline|energy|slit]\n"
    "       [--cell N] [-o FILE]    wavelength scan, CSV of wavelength and absorbance\n";
// After the scan's lines come its step and filter tables (from the settings), then the rest.
constexpr const char *kUsageAfterScan =
    "  kinetics --wl WL --step S --total T [--cell N] -o FILE.kin\n"
    "                               time scan at one wavelength every S seconds for T seconds, as the\n"
    "                               time-scan window runs it: the curve file, its points, rate and R\n"
    "  cell N                       move cell N (1-based) into the light path\n"
    "  dark                         read the dark-current table\n"
    "  files [--type INDEX]         list the instrument's files\n"
    "  download NAME -o FILE        fetch a file (older layouts arrive converted); spectra (.sca) and\n"
    "                               curves (.kin) arrive decoded and are written by FILE's extension,\n"
    "                               other files keep their bytes under their own extension\n"
    "  delete NAME                  delete a file on the instrument\n"
    "  config                       where the settings are read from\n"
    "file commands (no instrument needed):\n"
    "  info FILE                    kind, grid, points, names, date, rate fields; for fixed-wavelength\n"
    "                               documents (.QUA .QM .DNA .DM .VAL .VM) the method and both tables\n"
    "  recalc IN OUT                a fixed points document's calibration (refitted when it came from\n"
    "                               its standards) and its samples' concentrations, computed again\n"
    "  convert IN OUT [--accept-missing]\n"
    "                               by extension: .sca, .wav (read only), .kin, .txt (data lines only),\n"
    "                               .csv, .jdx/.dx; a file that holds fewer points than its header says\n"
    "                               is refused unless --accept-missing (the missing points read 0)\n"
    "  export IN OUT [--accept-missing]\n"
    "                               the Abs/T% table the windows' Export writes\n"
    "  peaks FILE [--threshold T]   significant peaks and valleys\n"
    "  math OP IN [IN2] OUT         savgol --degree M --deriv D --width W | smooth --range R |\n"
    "                               derivative --class N | resample --every K | add|sub|mul|div IN2\n"
    "  rate FILE.kin [--begin B --end E --factor K]\n"
    "  decode-record FILE --kind wave|time [--steps-per-nm S] [--beam single|double] [--model M] -o OUT\n"
    "audit trail (the configured results store, or the SQLite file of --store PATH):\n"
    "  audit head                   the trail's last event and its hash, to record elsewhere\n"
    "  audit verify [--anchor SEQ:HASH]\n"
    "                               recomputes the chain (exit 1 at the first event that does not\n"
    "                               match); with an anchor, also proves that event is still there\n"
    "  audit list [--since T] [--until T] [--user U] [--kind K]\n"
    "  audit export OUT.csv         every event with its hashes\n"
    "  results list [--since T] [--until T] [--operator U] [--kind K]\n"
    "                               kept results, newest first (read, measure, scan and kinetics keep\n"
    "                               theirs with the instrument, the operator and the times)\n"
    "  results show ID              one result's context and the SHA-256 of its data\n"
    "  results export ID OUT        its data as kept, or a kept spectrum or curve in OUT's format\n"
    "  results sign ID --meaning performed|reviewed|approved [--comment TEXT] [--password-fd N]\n"
    "                               signs a kept result electronically as the user asked for\n"
    "regulated mode (named accounts; ids and passwords on the terminal or one per line from\n"
    "--password-fd N, never on the command line):\n"
    "  users setup --user ID --name NAME\n"
    "                               the first lab manager; switches regulated mode on\n"
    "  users list | add ID --name NAME --role analyst|reviewer|labmanager | disable ID | reset ID |\n"
    "        unlock ID | role ID --role R\n"
    "                               a lab manager's tools (the lab manager's id and password first)\n";

const std::map<std::string, Command> kCommands = {
    {"status", statusCommand}, {"goto", gotoCommand},       {"read", readCommand},
    {"blank", blankCommand},   {"scan", scanCommand},       {"cell", cellCommand},
    {"dark", darkCommand},     {"files", filesCommand},     {"download", downloadCommand},
    {"delete", deleteCommand}, {"measure", measureCommand}, {"kinetics", kineticsCommand},
};

const std::map<std::string, FileCommand> kFileCommands = {
    {"info", infoCommand},       {"convert", convertCommand}, {"peaks", peaksCommand},
    {"math", mathCommand},       {"rate", rateCommand},       {"decode-record", decodeRecordCommand},
    {"export", exportCommand},   {"recalc", recalcCommand},   {"audit", auditCommand},
    {"results", resultsCommand}, {"users", usersCommand},
};

// The scan's index tables as the settings hold them, so the indices can be chosen without the window.
std::string scanIndexLines() {
    const spectavo::ProfileFile scan(spectavo::scan::ScanSettings::kFileName, true);
    auto table = [](const char *name, int count, auto text) {
        std::string line = std::string("                               ") + name;
        for (int i = 0; i < count; ++i)
            line += (i ? ", " : " ") + std::to_string(i) + " = " + text(i);
        return line + "\n";
    };
    return table("--step-index:", spectavo::scan::ScanSettings::stepCount(scan),
                 [&scan](int i) { return spectavo::scan::ScanSettings::stepText(scan, i); }) +
           table("--filter-index:", spectavo::scan::ScanSettings::filterCount(scan),
                 [&scan](int i) { return spectavo::scan::ScanSettings::filterText(scan, i); });
}

std::string usageText() {
    return std::string(kUsage) + scanIndexLines() + kUsageAfterScan;
}

int printReport(const Report &report, bool json) {
    if (json && report.hasNonFinite())
        std::fputs("spectavo-cli: warning: numbers that are not finite are given as null\n", stderr);
    if (json) {
        std::string rendered = report.render(true);
        rendered.insert(1, rendered.size() > 3 ? "\"ok\": true, " : "\"ok\": true");
        std::fputs(rendered.c_str(), stdout);
    } else {
        std::fputs(report.render(false).c_str(), stdout);
    }
    return 0;
}

// Options that take a value; everything else starting with "-" is a switch.
bool takesValue(const std::string &option) {
    return option != "--json" && option != "--help" && option != "-h" && option != "--version" &&
           option != "--accept-missing";
}

// The usage lines of one command: its line and the continuation lines under it.
std::string commandUsage(const std::string &command) {
    const std::string usage = usageText();
    const std::string start = "\n  " + command + " ";
    std::size_t at = usage.find(start);
    if (at == std::string::npos)
        return "";
    std::string lines;
    ++at;
    do {
        const std::size_t end = usage.find('\n', at);
        lines += usage.substr(at, end - at + 1);
        at = end + 1;
    } while (at < usage.size() && usage.compare(at, 5, "     ") == 0);
    return "usage: spectavo-cli [--driver NAME|PATH] [--json] [--timeout SECONDS] COMMAND [ARGUMENTS]\n" +
           lines;
}

int showConfiguration() {
    const auto directory = spectavo::programDirectory();
    const spectavo::SettingsFolder folder = spectavo::settingsFolder();
    const spectavo::ProfileFile comm("..\\config\\tarvesta.zav.comm.ini", true);
    std::printf("program directory: %s\n", directory ? directory->c_str() : "(unknown)");
    std::printf("settings folder:   %s\n", folder.path.c_str());
    std::printf("because:           %s\n", folder.reason.c_str());
    std::printf("comm settings:     %s\n", comm.path().c_str());
    std::printf(
        "hub driver:        %s\n",
        spectavo::link::driverFileName(comm.GetString("hub", "driver", "tarvesta.zav.comm.emc2")).c_str());
    return 0;
}

int fail(bool json, const std::string &message) {
    if (json)
        std::printf("{\"ok\": false, \"error\": %s}\n", jsonQuoted(message).c_str());
    std::fprintf(stderr, "spectavo-cli: %s\n", printable(message).c_str());
    return 1;
}

} // namespace

int main(int argc, char **argv) {
    Arguments args;
    std::string command;
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        if (word.size() > 1 && word[0] == '-' &&
            !(word.size() > 1 && (std::isdigit(static_cast<unsigned char>(word[1])) || word[1] == '.'))) {
            if (takesValue(word) && i + 1 < argc)
                args.options[word] = argv[++i];
            else
                args.options[word] = "";
        } else if (command.empty()) {
            command = word;
        } else {
            args.words.push_back(word);
        }
    }
    const bool json = args.has("--json");
    const bool help = args.has("--help") || args.has("-h");
    if (args.has("--version")) {
        std::printf("spectavo-cli %s\n", SPECTAVO_VERSION);
        return 0;
    }
    if (const std::string usage = help && !command.empty() ? commandUsage(command) : ""; !usage.empty()) {
        std::fputs(usage.c_str(), stdout);
        return 0;
    }
    if (help || command.empty()) {
        std::fputs(usageText().c_str(), help ? stdout : stderr);
        return help ? 0 : 2;
    }
    if (command == "config")
        return showConfiguration();
    if (const auto file = kFileCommands.find(command); file != kFileCommands.end()) {
        Report report;
        if (const std::string problem = file->second(args, report); !problem.empty())
            return fail(json, problem);
        return printReport(report, json);
    }
    const auto found = kCommands.find(command);
    if (found == kCommands.end())
        return fail(json, "unknown command '" + command + "'; see --help");

    std::string error;
    const std::optional<double> seconds = checkedTimeout(args, error);
    if (!seconds)
        return fail(json, error);
    // Nothing reaches the instrument before every argument has passed.
    if (const std::string refused = checkInstrumentArguments(command, args); !refused.empty())
        return fail(json, refused);
    if (command == "scan" && !args.has("--from") && !args.has("--to"))
        std::fputs("spectavo-cli: no --from/--to given: scanning the saved range\n", stderr);
    CliSession session(std::chrono::milliseconds(static_cast<long>(*seconds * 1000)));
    if (!session.connect(args.get("--driver"), error))
        return fail(json, error);
    Report report;
    const auto started = std::chrono::system_clock::now();
    if (const std::string problem = found->second(session, args, report); !problem.empty()) {
        const std::string reason = session.gaveUpReason();
        return fail(json, reason.empty() || problem.find(reason) != std::string::npos
                              ? problem
                              : problem + " (" + reason + ")");
    }
    if (recordsInStore(command)) {
        const spectavo::link::StationStatus &status = session.link().status();
        recordCommand(args, command,
                      {status.modelName.get(), status.serialText.get(), status.versionText.get(), started},
                      report);
    }
    return printReport(report, json);
}
