#include "auditcommands.h"

#include <cstdio>
#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

#include "core/config/atomicfile.h"
#include "store/storesettings.h"

namespace spectavo::cli {
namespace {

// The account the client runs under: the trail's user for what the client does.
std::string accountName() {
    if (const passwd *entry = getpwuid(getuid()); entry && entry->pw_name)
        return entry->pw_name;
    const char *user = std::getenv("USER");
    return user ? user : "unknown";
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
    std::string csv = "sequence,event_id,utc,user,workstation,kind,object,details,previous_hash,hash\n";
    store.visitEvents({}, [&csv](const store::AuditEvent &event) {
        csv += std::to_string(event.sequence);
        for (const std::string *field :
             {&event.eventId, &event.utc, &event.user, &event.workstation, &event.kind, &event.object,
              &event.details, &event.previousHash, &event.hash})
            csv += "," + csvField(*field);
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

} // namespace

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

void recordCommandEvent(const Arguments &args, const std::string &command, const Report &report) {
    std::string error;
    const auto store = openClientStore(args, error);
    try {
        if (store) {
            const std::string kind = command == "delete" ? "instrument file deleted" : "measurement";
            const std::string object = command == "delete" && !args.words.empty() ? args.words[0] : command;
            std::string details = report.render(true);
            while (!details.empty() && (details.back() == '\n' || details.back() == ' '))
                details.pop_back();
            store->appendEvent({accountName(), kind, object, details});
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
