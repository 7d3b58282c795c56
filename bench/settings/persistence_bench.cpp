// Benchmark of loading and saving the mapping list on disk: time and file writes; prints only.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "fakes/disk_file_system.h"
#include "fakes/fake_locale.h"
#include "mappings/memory_data.h"
#include "settings/mapping_persistence.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/headless/headless_platform.h"

namespace {

double MillisecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
      .count();
}

void Run(int mappings_count, const std::filesystem::path& folder) {
  std::filesystem::remove(folder / "Vardeko.ini");
  fakes::DiskFileSystem files(folder.string());
  fakes::FakeLocale locale;
  ui::headless::HeadlessPlatform platform;
  ui::Application application(platform);
  ui::Form form(application, "Form1", "TForm1");
  settings::TzIni store(form, "zIni1", files, locale);
  store.SetFormSave(settings::TFormSaveFormat::fsfNone);
  store.SetEncryptValues(true);
  std::string url = "http://www.vardeko.com/download/Vardeko/Vardeko.inf";

  mappings::MemoryData table("RxMemoryData1");
  settings::LoadSettings(store, table, files, url);
  for (int i = 0; i < mappings_count; ++i) {
    table.Append();
    table.Assign("HostName", "server" + std::to_string(i));
    table.Assign("UserName", "backup");
    table.Assign("Password", "s3cret!");
    table.Assign("UNC", "share\\folder" + std::to_string(i));
    table.Assign("Drive", std::string(1, static_cast<char>('A' + i % 26)) + ":");
    table.Assign("MaxPing", 5);
    table.Post();
  }
  auto start = std::chrono::steady_clock::now();
  settings::SaveSettings(store, table, url);  // into an empty file
  const double first_save = MillisecondsSince(start);
  const int writes_before = files.replacements;
  start = std::chrono::steady_clock::now();
  settings::SaveSettings(store, table, url);  // over its own list
  const double second_save = MillisecondsSince(start);
  const int writes = files.replacements - writes_before;

  mappings::MemoryData loaded("RxMemoryData1");
  start = std::chrono::steady_clock::now();
  settings::LoadSettings(store, loaded, files, url);
  const double load = MillisecondsSince(start);
  std::printf("%6d mappings  %8.2f ms first save  %8.2f ms save  %d file write(s) per save  "
              "%9.2f ms load  (%zu bytes)\n",
              mappings_count, first_save, second_save, writes, load,
              static_cast<std::size_t>(std::filesystem::file_size(folder / "Vardeko.ini")));
}

}  // namespace

int main() {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() /
      ("vardeko_persistence_bench_" +
       std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
  std::filesystem::create_directories(folder);
  std::printf("Mapping list on disk (every read scans the file; a save rewrites it once):\n");
  for (int count : {26, 100, 1000}) Run(count, folder);
  std::filesystem::remove_all(folder);
  return 0;
}
