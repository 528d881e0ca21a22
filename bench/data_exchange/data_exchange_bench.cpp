// Export and import of 100,000 contacts with the 85 exported fields, beside the sqlite3 shell
// exporting the same rows from, and importing them into, a table with the same indexes. The
// program's side runs the work of the export and import passes (the record scan, the line
// building and writing; the line reading, splitting, storing and ADD), without the windows.

#include <benchmark/benchmark.h>
#include <strings.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "data_exchange/csv_file.h"
#include "data_exchange/export_pass.h"
#include "data_exchange/field_tables.h"
#include "data_exchange/grouped_adds.h"
#include "data_exchange/import_pass.h"
#include "data_exchange/record_values.h"
#include "records/mail.h"
#include "runtime/data/transaction.h"

namespace {

// TOVIK_BENCH_CONTACTS gives a smaller count for a quick look.
const long kContacts = [] {
    const char* n = std::getenv("TOVIK_BENCH_CONTACTS");
    return n ? std::atol(n) : 100000L;
}();

std::filesystem::path folder() {
    static const std::filesystem::path f = [] {
        auto p = std::filesystem::temp_directory_path() / "tovik_bench_data_exchange";
        std::filesystem::remove_all(p);
        std::filesystem::create_directories(p);
        std::filesystem::current_path(p);
        return p;
    }();
    return f;
}

std::string shortName(const std::string& name) {
    return name.substr(4);
}

// The source file: 100,000 contacts with every exported field filled.
void makeContacts() {
    folder();
    MAIL.remove();  // CREATE never replaces a file
    MAIL.create();
    MAIL.open();
    rt::logout(30, {&MAIL});
    for (long n = 1; n <= kContacts; ++n) {
        MAIL.clear();
        for (const ExportField& f : contactExportFields()) {
            std::string value = std::to_string(n % 97);
            if (f.picture.find_first_of("sS") == 1)
                value = "Value, \"" + std::to_string(n) + "\" of " + f.name;
            if (f.picture == "@d1") value = std::to_string(73000 + n % 5000);
            // Texts cut to their fields, as typed; the import would refuse them whole.
            const FieldRef ref = resolveField(MAIL.decl(), f.name);
            if (ref.field >= 0 && MAIL.decl().fields()[ref.field].type == rt::FieldType::String)
                MAIL.buf().setText(ref.field, value);
            else
                storeImportedText(MAIL, ref, value);
        }
        MAIL.add();
    }
    rt::commit();
    MAIL.close();
}

int shell(const std::string& command) {
    return std::system(command.c_str());
}

// The same rows in a plain SQLite table with the indexes of MAIL's keys over these columns.
void makeShellTable() {
    std::ofstream sql(folder() / "schema.sql");
    sql << "CREATE TABLE mail(";
    std::set<std::string> columns;
    bool first = true;
    for (const ExportField& f : contactExportFields()) {
        sql << (first ? "" : ", ") << shortName(f.name);
        columns.insert(shortName(f.name));
        first = false;
    }
    sql << ");\n";
    int n = 0;
    for (const rt::KeyDecl& key : MAIL.decl().keys()) {
        std::string parts;
        bool all = true;
        for (const rt::KeyComponent& c : key.components) {
            std::string column = shortName(MAIL.decl().fields()[c.field].name);
            bool found = false;
            for (const std::string& k : columns)
                found |= strcasecmp(k.c_str(), column.c_str()) == 0;
            all &= found;
            parts += (parts.empty() ? "" : ", ") + column;
        }
        if (all) sql << "CREATE INDEX i" << ++n << " ON mail(" << parts << ");\n";
    }
}

void BM_ExportProgram(benchmark::State& state) {
    const std::vector<ExportColumn> columns =
        resolveExportFields(MAIL.decl(), contactExportFields());
    for (auto _ : state) {
        OpenExportFile((folder() / "program.csv").string());
        MAIL.open();
        MAIL.send("QUICKSCAN=on");
        MAIL.set();
        long lines = 0;
        while (MAIL.next() == 0) {
            BuildExportLine(MAIL, columns);
            WriteExportLine();
            ++lines;
        }
        MAIL.send("QUICKSCAN=off");
        MAIL.close();
        CloseExportFile();
        if (lines != kContacts) state.SkipWithError("not every contact was written");
    }
    state.SetItemsProcessed(state.iterations() * kContacts);
}

void BM_ImportProgram(benchmark::State& state) {
    std::vector<ImportColumn> columns;
    for (const ExportField& f : contactExportFields())
        columns.push_back({f.picture == "@d1" ? "@d1" : "@S1000", {f.name}, {}});
    resolveImportColumns(MAIL.decl(), columns);
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::remove(folder() / "MAIL.KVF");
        MAIL.create();
        MAIL.open();
        state.ResumeTiming();
        OpenImportFile((folder() / "program.csv").string());
        long added = 0;
        GroupedAdds adds(MAIL);
        while (ReadImportLine() != 0) {
            MAIL.clear();
            BuildImportRecord(MAIL, columns);
            added += adds.add() == 0;
        }
        adds.commit();
        CloseImportFile();
        MAIL.close();
        if (added != kContacts) state.SkipWithError("not every line was added");
    }
    state.SetItemsProcessed(state.iterations() * kContacts);
}

void BM_ExportSqliteShell(benchmark::State& state) {
    for (auto _ : state) {
        if (shell(
                "cd " + folder().string() +
                " && sqlite3 shell.db -cmd '.mode csv' '.once shell.csv' 'SELECT * FROM mail;'") !=
            0)
            state.SkipWithError("sqlite3 failed");
    }
    state.SetItemsProcessed(state.iterations() * kContacts);
}

void BM_ImportSqliteShell(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        shell("cd " + folder().string() + " && rm -f import.db && sqlite3 import.db < schema.sql");
        state.ResumeTiming();
        if (shell("cd " + folder().string() +
                  " && sqlite3 import.db -cmd '.mode csv' '.import shell.csv mail'") != 0)
            state.SkipWithError("sqlite3 failed");
    }
    state.SetItemsProcessed(state.iterations() * kContacts);
}

struct Setup {
    Setup() {
        makeContacts();
        makeShellTable();
        // The shell's table gets the same rows, from the program's own export.
        OpenExportFile((folder() / "rows.csv").string());
        MAIL.open();
        MAIL.set();
        while (MAIL.next() == 0) {
            BuildExportLine(MAIL, resolveExportFields(MAIL.decl(), contactExportFields()));
            WriteExportLine();
        }
        MAIL.close();
        CloseExportFile();
        shell("cd " + folder().string() + " && rm -f shell.db && sqlite3 shell.db < schema.sql" +
              " && sqlite3 shell.db -cmd '.mode csv' '.import rows.csv mail'");
    }
};

}  // namespace

int main(int argc, char** argv) {
    Setup setup;
    benchmark::Initialize(&argc, argv);
    benchmark::RegisterBenchmark("ExportProgram", BM_ExportProgram)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(3);
    benchmark::RegisterBenchmark("ExportSqliteShell", BM_ExportSqliteShell)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(3);
    benchmark::RegisterBenchmark("ImportProgram", BM_ImportProgram)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1);
    benchmark::RegisterBenchmark("ImportSqliteShell", BM_ImportSqliteShell)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
