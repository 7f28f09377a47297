#include "storecommands.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <map>

#include "core/config/atomicfile.h"
#include "core/scan/datafileformats.h"
#include "core/scan/scanfiletext.h"
#include "core/shell/sha256.h"
#include "core/strings/pathtext.h"
#include "outputfile.h"
#include "store/accountbook.h"
#include "store/eventstamp.h"
#include "store/storesettings.h"
#include "store/storewriter.h"
#include "usercommands.h"

namespace spectavo::cli {
namespace {

std::string reportJson(const Report &report) {
    std::string json = report.render(true);
    while (!json.empty() && (json.back() == '\n' || json.back() == ' '))
        json.pop_back();
    return json;
}

// The command line as the method: what was asked of the instrument.
std::string methodOf(const std::string &command, const Arguments &args) {
    std::string method = command;
    for (const auto &[option, value] : args.options)
        if (option != "--store" && option != "--json" && option != "-o" && option != "--timeout")
            method += " " + option + (value.empty() ? "" : " " + value);
    return method;
}

store::ResultRecord resultOfCommand(const Arguments &args, const std::string &command,
                                    const CommandContext &context, const Report &report) {
    static const std::map<std::string, std::string> kKinds = {
        {"read", "fixed"}, {"measure", "fixed"}, {"scan", "wavescan"}, {"kinetics", "timescan"}};
    store::ResultRecord result;
    result.kind = kKinds.at(command);
    result.sample = args.has("--cell") ? "cell " + args.get("--cell") : "";
    result.method = methodOf(command, args);
    result.operatorName = store::accountName();
    result.instrumentModel = context.model;
    result.instrumentSerial = context.serial;
    result.instrumentFirmware = context.firmware;
    result.startedUtc = store::utcText(context.started);
    result.endedUtc = store::utcText(std::chrono::system_clock::now());
    result.utcOffsetMinutes = store::localOffsetMinutes();
    const std::optional<std::string> file = report.textOf("file");
    const std::optional<std::string> bytes = file ? scan::scanfile::readWholeFile(*file) : std::nullopt;
    // A run that broke off is written under another name than the one asked for.
    result.state = file && *file != args.get("-o") ? "incomplete" : "complete";
    result.dataFormat = bytes ? strings::lowerExtension(*file) : "json";
    result.data = bytes ? *bytes : reportJson(report);
    return result;
}

std::string headLine(store::ResultStore &store) {
    const auto head = store.headEvent();
    if (!head)
        return "Audit trail: empty";
    return "Audit trail: event " + std::to_string(head->sequence) + ", " + head->hash.substr(0, 16);
}

std::string csvField(const std::string &text) {
    std::string quoted = "\"";
    for (const char c : text)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

std::string listEvents(store::ResultStore &store, const Arguments &args, Report &report) {
    const store::EventFilter filter{args.get("--since"), args.get("--until"), args.get("--user"),
                                    args.get("--kind")};
    std::vector<std::vector<Report::Field>> rows;
    store.visitEvents(filter, [&rows](const store::AuditEvent &event) {
        rows.push_back({Report::numberField("sequence", static_cast<double>(event.sequence), 0),
                        Report::textField("utc", event.utc), Report::textField("user", event.user),
                        Report::textField("workstation", event.workstation),
                        Report::textField("kind", event.kind), Report::textField("object", event.object),
                        Report::textField("details", event.details), Report::textField("hash", event.hash)});
        return true;
    });
    report.list("events", std::move(rows));
    return "";
}

std::string exportEvents(store::ResultStore &store, const Arguments &args, Report &report) {
    if (args.words.size() < 2)
        return "audit export needs an output file";
    if (const std::string problem = outputProblem(args.words[1], {store.location()}); !problem.empty())
        return problem;
    std::string csv = "sequence,event_id,utc,user,workstation,kind,object,details,previous_hash,hash\n";
    store.visitEvents({}, [&csv](const store::AuditEvent &event) {
        csv += std::to_string(event.sequence);
        for (const std::string *field :
             {&event.eventId, &event.utc, &event.user, &event.workstation, &event.kind, &event.object,
              &event.details, &event.previousHash, &event.hash}) {
            csv += ',';
            csv += csvField(*field);
        }
        csv += "\n";
        return true;
    });
    if (!writeFileAtomically(args.words[1], csv))
        return "cannot write " + args.words[1];
    report.text("file", args.words[1]);
    report.text("head", headLine(store));
    return "";
}

std::string verifyEvents(store::ResultStore &store, const Arguments &args, Report &report) {
    std::optional<store::ChainAnchor> anchor;
    if (args.has("--anchor")) {
        anchor = store::parseAnchor(args.get("--anchor"));
        if (!anchor)
            return "--anchor takes SEQ:HASH, the hash as at least 16 lower-case hexadecimal digits";
    }
    const store::TrailCheck check = store::verifyTrail(store, anchor);
    if (!check.holds)
        return "the audit trail does not verify: " + check.problem;
    report.integer("events", check.events);
    report.text("head", headLine(store));
    return "";
}

std::vector<Report::Field> resultFields(const store::ResultRecord &result) {
    return {Report::numberField("id", static_cast<double>(result.id), 0),
            Report::textField("started_utc", result.startedUtc),
            Report::textField("operator", result.operatorName),
            Report::textField("kind", result.kind),
            Report::textField("state", result.state),
            Report::textField("sample", result.sample),
            Report::textField("method", result.method),
            Report::textField("instrument", result.instrumentModel + " " + result.instrumentSerial),
            Report::textField("workstation", result.workstation)};
}

// A stored result by the id in the command's second word, its data checked against its hash.
std::string storedResult(store::ResultStore &store, const Arguments &args, store::ResultRecord &found) {
    std::int64_t id = 0;
    const std::string &word = args.words.size() > 1 ? args.words[1] : std::string();
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), id);
    if (word.empty() || error != std::errc{} || end != word.data() + word.size())
        return "results " + args.words[0] + " needs a result id";
    const auto result = store.result(id);
    if (!result)
        return "no result " + word + " in the store";
    if (shell::sha256Hex(result->data) != result->sha256)
        return "result " + word + ": its data no longer match their SHA-256";
    found = *result;
    return "";
}

std::string exportResult(const store::ResultRecord &result, const std::string &output) {
    if (strings::lowerExtension(output) == result.dataFormat)
        return writeFileAtomically(output, result.data) ? "" : "cannot write " + output;
    if (result.dataFormat != "sca" && result.dataFormat != "kin")
        return "a result kept as ." + result.dataFormat + " is exported as ." + result.dataFormat + " only";
    // The record's own reader and the formats' writers, through a file of the kept bytes.
    const std::string kept = output + ".kept." + result.dataFormat;
    if (!writeFileAtomically(kept, result.data))
        return "cannot write " + kept;
    scan::DataFileContent content;
    std::string problem = scan::readDataFile(kept, content);
    if (problem.empty())
        problem = scan::writeDataFile(content, output);
    std::remove(kept.c_str());
    return problem;
}

} // namespace

std::string resultsCommand(const Arguments &args, Report &report) {
    const std::string action = args.words.empty() ? "" : args.words[0];
    if (action == "sign")
        return signCommand(args, report);
    if (action != "list" && action != "show" && action != "export")
        return "results needs list, show, export or sign";
    std::string error;
    const auto store = openClientStore(args, error);
    if (!store)
        return "the results store cannot be opened: " + error;
    try {
        if (action == "list") {
            std::vector<std::vector<Report::Field>> rows;
            const store::ResultFilter filter{args.get("--since"), args.get("--until"), args.get("--operator"),
                                             args.get("--kind")};
            store->visitResults(filter, [&rows](const store::ResultRecord &result) {
                rows.push_back(resultFields(result));
                return true;
            });
            report.list("results", std::move(rows));
            return "";
        }
        store::ResultRecord result;
        if (const std::string problem = storedResult(*store, args, result); !problem.empty())
            return problem;
        if (action == "show") {
            report.list("result", {resultFields(result)});
            report.text("data_format", result.dataFormat);
            report.integer("data_bytes", static_cast<long long>(result.data.size()));
            report.text("sha256", result.sha256);
            std::vector<std::vector<Report::Field>> signatures;
            for (const store::Signature &signature : store->signatures("result " + std::to_string(result.id)))
                signatures.push_back(
                    {Report::textField("signature", store::signatureLine(signature, result.sha256))});
            if (!signatures.empty())
                report.list("signatures", std::move(signatures));
            return "";
        }
        if (args.words.size() < 3)
            return "results export needs an id and an output file";
        if (const std::string problem = outputProblem(args.words[2], {store->location()}); !problem.empty())
            return problem;
        if (const std::string problem = exportResult(result, args.words[2]); !problem.empty())
            return problem;
        report.text("file", args.words[2]);
        report.text("head", headLine(*store));
        return "";
    } catch (const store::StoreError &problem) {
        return std::string("the results store failed: ") + problem.what();
    }
}

std::unique_ptr<store::ResultStore> openClientStore(const Arguments &args, std::string &error) {
    store::StoreSettings settings = store::readStoreSettings();
    if (args.has("--store")) {
        settings.engine = "sqlite";
        settings.connection = args.get("--store");
    }
    try {
        return store::openStore(settings);
    } catch (const store::StoreError &problem) {
        error = problem.what();
        return nullptr;
    }
}

std::string auditCommand(const Arguments &args, Report &report) {
    const std::string action = args.words.empty() ? "" : args.words[0];
    if (action != "head" && action != "verify" && action != "list" && action != "export")
        return "audit needs head, verify, list or export";
    std::string error;
    const auto store = openClientStore(args, error);
    if (!store)
        return "the results store cannot be opened: " + error;
    try {
        if (action == "head") {
            report.text("head", headLine(*store));
            return "";
        }
        if (action == "verify")
            return verifyEvents(*store, args, report);
        return action == "list" ? listEvents(*store, args, report) : exportEvents(*store, args, report);
    } catch (const store::StoreError &problem) {
        return std::string("the results store failed: ") + problem.what();
    }
}

bool recordsInStore(const std::string &command) {
    return command == "read" || command == "measure" || command == "scan" || command == "kinetics" ||
           command == "delete";
}

namespace {

store::StoreWork workOfCommand(const Arguments &args, const std::string &command,
                               const CommandContext &context, const Report &report) {
    if (command == "delete")
        return store::NewEvent{store::accountName(), "instrument file deleted",
                               args.words.empty() ? "" : args.words[0], "{}"};
    return resultOfCommand(args, command, context, report);
}

// A lab-wide store goes through the writer with this workstation's outbox: what waits there from
// before goes first, and what the server does not take in a few seconds waits there for later.
void recordThroughOutbox(const store::StoreSettings &settings, store::StoreWork work) {
    store::StoreWriter writer([&settings] { return store::openStore(settings); }, nullptr,
                              std::chrono::milliseconds(500), store::outboxPath(settings));
    if (auto *event = std::get_if<store::NewEvent>(&work))
        writer.post(std::move(*event));
    else
        writer.post(std::move(std::get<store::ResultRecord>(work)));
    if (writer.flush(std::chrono::seconds(10)))
        return;
    const store::WriterState state = writer.state();
    std::fprintf(stderr,
                 "spectavo-cli: The lab's results store cannot be reached: %s. %d results and events wait in "
                 "%s and are sent by the next program that reaches it.\n",
                 state.problem.c_str(), static_cast<int>(state.waiting), store::outboxPath(settings).c_str());
}

} // namespace

void recordCommand(const Arguments &args, const std::string &command, const CommandContext &context,
                   const Report &report) {
    store::StoreWork work = workOfCommand(args, command, context, report);
    const store::StoreSettings settings = store::readStoreSettings();
    if (settings.engine == "postgresql" && !args.has("--store"))
        return recordThroughOutbox(settings, std::move(work));
    std::string error;
    const auto store = openClientStore(args, error);
    try {
        if (store) {
            if (const auto *event = std::get_if<store::NewEvent>(&work))
                store->appendEvent(*event);
            else
                store->storeResult(std::get<store::ResultRecord>(work));
            return;
        }
    } catch (const store::StoreError &problem) {
        error = problem.what();
    }
    std::fprintf(stderr,
                 "spectavo-cli: The results store cannot be opened: %s. Results are kept in files only.\n",
                 error.c_str());
}

} // namespace spectavo::cli
