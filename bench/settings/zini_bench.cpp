// Benchmark of the settings store on a 600-key file, in memory and on disk; prints figures only.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>

#include "fakes/disk_file_system.h"
#include "fakes/fake_file_system.h"
#include "fakes/fake_locale.h"
#include "settings/zini.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/headless/headless_platform.h"

namespace {

constexpr int kKeys = 600;

void Measure(const char* what, int operations, const std::function<void()>& run) {
  const auto start = std::chrono::steady_clock::now();
  run();
  const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
  std::printf("  %-44s %9.2f ms  %8.1f us/op\n", what, took.count(),
              1000.0 * took.count() / operations);
}

std::string Key(int i) {
  return "HostName" + std::to_string(i);
}
std::string Value(int i) {
  return "\\\\server" + std::to_string(i) + "\\share\\folder";
}

void Run(const char* where, os::FileSystem& files, const std::string& path) {
  ui::headless::HeadlessPlatform platform;
  ui::Application application(platform);
  ui::Form form(application, "Form1");
  fakes::FakeLocale locale;
  settings::TzIni store(form, "zIni1", files, locale);
  store.SetFormSave(settings::TFormSaveFormat::fsfNone);
  store.SetEncryptValues(true);
  store.SetFileName(path);

  std::printf("%s, %d keys, values scrambled:\n", where, kKeys);
  Measure("write one by one (a rewrite each)", kKeys, [&] {
    for (int i = 0; i < kKeys; ++i) store.WriteString(Key(i), Value(i), true);
  });
  Measure("write all again inside one batch", kKeys, [&] {
    store.Edit();
    for (int i = 0; i < kKeys; ++i) store.WriteString(Key(i), Value(kKeys - i), true);
    store.Post();
  });
  long long total = 0;
  Measure("read every key (a scan each)", kKeys, [&] {
    for (int i = 0; i < kKeys; ++i)
      total += static_cast<long long>(store.ReadString(Key(i), "").size());
  });
  Measure("delete every key one by one", kKeys, [&] {
    for (int i = 0; i < kKeys; ++i) store.DeleteKey(Key(i));
  });
  std::printf("  (%lld bytes read)\n", total);
}

}  // namespace

int main() {
  fakes::FakeFileSystem memory;
  Run("In memory", memory, "C:\\Program Files\\Vardeko\\Vardeko.ini");

  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() /
      ("vardeko_bench_" +
       std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
  std::filesystem::create_directories(folder);
  fakes::DiskFileSystem disk(folder.string());
  Run("On disk", disk, (folder / "Vardeko.ini").string());
  std::filesystem::remove_all(folder);
  return 0;
}
