// The owner form's geometry in the settings file, file placement, and a new store's start values.
#include <functional>
#include <optional>
#include <string>

#include "settings/value_scrambling.h"
#include "settings/zini.h"
#include "zini_fixture.h"

namespace {

using settings::TFormSaveFormat;
using settings::TFormSavePlace;
using settings::TzIni;
using settings_test::kIniPath;
using settings_test::OwnerForm;

struct ZIniGeometry : ::testing::Test {
  fakes::FakeFileSystem files;
  fakes::FakeLocale locale;
  ui::headless::HeadlessPlatform platform;
  ui::Application application{platform};

  ZIniGeometry() { application.SetTitle("Vardeko"); }

  // What the file holds after a store on a form of these bounds saw the window destroyed.
  std::optional<std::string> SavedFile(const ui::Rect& bounds,
                                       const std::function<void(OwnerForm&, TzIni&)>& setup) {
    files.files.clear();
    OwnerForm form(application, "Options", "TOptionsForm");
    TzIni store(form, "zIni1", files, locale);
    store.SetFileName(kIniPath);
    form.SetBounds(bounds);
    setup(form, store);
    form.DestroyWindowHandle();
    const auto file = files.files.find(kIniPath);
    if (file == files.files.end()) return std::nullopt;
    return file->second;
  }

  // The bounds of a form at {1, 2, 3, 4} after its store is pointed at a file of these bytes.
  ui::Rect RestoredBounds(const std::string& file, TFormSaveFormat format) {
    files.files[kIniPath] = file;
    OwnerForm form(application, "Options", "TOptionsForm");
    form.SetBounds({1, 2, 3, 4});
    TzIni store(form, "zIni1", files, locale);
    store.SetFormSave(format);
    store.SetFileName(kIniPath);
    return form.Bounds();
  }
};

const auto kNoSetup = [](OwnerForm&, TzIni&) {};

TEST_F(ZIniGeometry, DestroyingTheWindowSavesFourFieldsOfFourCharactersUnderTheClassName) {
  struct Case {
    ui::Rect bounds;
    std::string record;
  };
  const Case cases[] = {
      {{100, 50, 640, 480}, "0100005006400480"},
      {{-8, -8, 1, 22}, "00-800-800010022"},
      {{0, -123, 10000, 480}, "0000-123100000480"},  // 17 characters: written whole
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SavedFile(c.bounds, kNoSetup), "TOptionsForm=" + c.record + "\r\n");
  }
  const auto encrypted = [](OwnerForm&, TzIni& store) { store.SetEncryptValues(true); };
  EXPECT_EQ(SavedFile({100, 50, 640, 480}, encrypted),
            "TOptionsForm=" + settings::ScrambleValue("0100005006400480") + "\r\n");
  EXPECT_TRUE(platform.error_boxes.empty());
}

TEST_F(ZIniGeometry, NothingIsSavedForAMinimizedOrMaximizedWindowOrWithoutFormSaveOrFileName) {
  const std::function<void(OwnerForm&, TzIni&)> setups[] = {
      [](OwnerForm& form, TzIni&) { form.NotifyWindowState(ui::WindowState::Minimized); },
      [](OwnerForm& form, TzIni&) { form.NotifyWindowState(ui::WindowState::Maximized); },
      [](OwnerForm&, TzIni& store) { store.SetFormSave(TFormSaveFormat::fsfNone); },
      [](OwnerForm&, TzIni& store) { store.SetFileName(""); },
  };
  for (const auto& setup : setups) EXPECT_EQ(SavedFile({100, 50, 640, 480}, setup), std::nullopt);
  // Size or position alone still saves all four numbers.
  const auto size_only = [](OwnerForm&, TzIni& store) {
    store.SetFormSave(TFormSaveFormat::fsfSize);
  };
  EXPECT_EQ(SavedFile({100, 50, 640, 480}, size_only), "TOptionsForm=0100005006400480\r\n");
}

TEST_F(ZIniGeometry, AnErrorWhileSavingGoesToTheErrorBox) {
  const auto missing_folder = [](OwnerForm&, TzIni& store) {
    store.SetFileName("C:\\Nowhere\\Vardeko.ini");
  };
  EXPECT_EQ(SavedFile({100, 50, 640, 480}, missing_folder), std::nullopt);
  ASSERT_EQ(platform.error_boxes.size(), 1u);
  EXPECT_EQ(platform.error_boxes[0].text, "Can't create file:\rC:\\Nowhere\\Vardeko.ini.");
  EXPECT_EQ(platform.error_boxes[0].caption, "Vardeko");
}

TEST_F(ZIniGeometry, AStoreDestroyedBeforeTheWindowNoLongerListens) {
  OwnerForm form(application, "Options", "TOptionsForm");
  {
    TzIni store(form, "zIni1", files, locale);
    store.SetFileName(kIniPath);
  }
  form.DestroyWindowHandle();
  EXPECT_TRUE(files.files.empty());
}

TEST_F(ZIniGeometry, AFileNameChangePutsBackWhatFormSaveAllows) {
  const std::string file = "x=1\r\ntoptionsform=0100005006400480\r\n";
  EXPECT_EQ(RestoredBounds(file, TFormSaveFormat::fsfBoth), (ui::Rect{100, 50, 640, 480}));
  EXPECT_EQ(RestoredBounds(file, TFormSaveFormat::fsfSize), (ui::Rect{1, 2, 640, 480}));
  EXPECT_EQ(RestoredBounds(file, TFormSaveFormat::fsfPosition), (ui::Rect{100, 50, 3, 4}));
  EXPECT_EQ(RestoredBounds(file, TFormSaveFormat::fsfNone), (ui::Rect{1, 2, 3, 4}));
}

TEST_F(ZIniGeometry, OnlyARecordOfExactly16CharactersIsPutBackItsFieldsReadLeniently) {
  const auto restored = [&](const std::string& record) {
    return RestoredBounds("TOptionsForm=" + record + "\r\n", TFormSaveFormat::fsfBoth);
  };
  EXPECT_EQ(restored("00-8000008000600"), (ui::Rect{0, 0, 800, 600}));
  EXPECT_EQ(restored(settings::ScrambleValue("0100005006400480")), (ui::Rect{100, 50, 640, 480}));
  EXPECT_EQ(restored("0000-123100000480"), (ui::Rect{1, 2, 3, 4}));
  EXPECT_EQ(restored("010000500640048"), (ui::Rect{1, 2, 3, 4}));
  EXPECT_EQ(restored("01000050abcd0480"), (ui::Rect{100, 50, 0, 480}));
}

TEST_F(ZIniGeometry, TheSameFileNameAgainOrAMissingFilePutsNothingBack) {
  files.files[kIniPath] = "TOptionsForm=0100005006400480\r\n";
  OwnerForm form(application, "Options", "TOptionsForm");
  TzIni store(form, "zIni1", files, locale);
  store.SetFileName(kIniPath);
  form.SetBounds({1, 2, 3, 4});
  store.SetFileName(kIniPath);
  EXPECT_EQ(form.Bounds(), (ui::Rect{1, 2, 3, 4}));
  store.SetFileName("C:\\Program Files\\Vardeko\\Other.ini");
  EXPECT_EQ(form.Bounds(), (ui::Rect{1, 2, 3, 4}));
}

TEST_F(ZIniGeometry, LoadedPlacesAnUnnamedFileAndPutsTheFormBack) {
  struct Case {
    TFormSavePlace place;
    std::string executable;
    std::optional<std::string> windows;
    std::string given;
    std::string placed;
  };
  const std::string exe = "C:\\Program Files\\Vardeko\\Vardeko.exe";
  const Case cases[] = {
      {TFormSavePlace::fspAppDir, exe, "C:\\WINDOWS", "", kIniPath},
      {TFormSavePlace::fspAppDir, "C:\\My.Tools\\vardeko", "C:\\WINDOWS", "",
       "C:\\My.Tools\\vardeko.ini"},
      {TFormSavePlace::fspWinDir, exe, "C:\\WINDOWS", "", "C:\\WINDOWS\\Vardeko.ini"},
      {TFormSavePlace::fspWinDir, exe, "C:\\", "", "C:\\Vardeko.ini"},
      {TFormSavePlace::fspWinDir, exe, std::nullopt, "", ""},
      {TFormSavePlace::fspNone, exe, "C:\\WINDOWS", "", ""},
      {TFormSavePlace::fspAppDir, exe, "C:\\WINDOWS", "D:\\given.ini", "D:\\given.ini"},
  };
  for (const Case& c : cases) {
    files.executable_path = c.executable;
    files.windows_folder = c.windows;
    files.files.clear();
    if (!c.placed.empty()) files.files[c.placed] = "TOptionsForm=0100005006400480\r\n";
    OwnerForm form(application, "Options", "TOptionsForm");
    TzIni store(form, "zIni1", files, locale);
    store.SetFormSave(TFormSaveFormat::fsfNone);  // so the given name restores nothing yet
    store.SetFileName(c.given);
    store.SetFormSave(TFormSaveFormat::fsfBoth);
    store.SetFileNameAutoSet(c.place);
    store.Loaded();
    EXPECT_EQ(store.FileName(), c.placed) << c.placed;
    const bool placed_now = c.given.empty() && !c.placed.empty();
    EXPECT_EQ(form.Bounds().left, placed_now ? 100 : 0) << c.placed;
  }
}

TEST_F(ZIniGeometry, ANewStoreStartsFromTheMainFormsFirstStoreWithoutPuttingAnythingBack) {
  files.files[kIniPath] = "TOptionsForm=0100005006400480\r\n";
  OwnerForm main_form(application, "Form1", "TForm1");
  std::optional<TzIni> first(std::in_place, main_form, "zIni1", files, locale);
  TzIni second(main_form, "zIni2", files, locale);
  second.SetFileName("C:\\Program Files\\Vardeko\\Second.ini");
  first->SetFormSave(TFormSaveFormat::fsfSize);
  first->SetFileNameAutoSet(TFormSavePlace::fspWinDir);
  first->SetEncryptValues(true);
  first->SetFileName(kIniPath);
  OwnerForm options(application, "Options", "TOptionsForm");

  const TzIni before_main_form_is_set(options, "zIni1", files, locale);
  EXPECT_EQ(before_main_form_is_set.FileName(), "");
  EXPECT_EQ(before_main_form_is_set.FormSave(), TFormSaveFormat::fsfBoth);
  EXPECT_EQ(before_main_form_is_set.FileNameAutoSet(), TFormSavePlace::fspAppDir);
  EXPECT_FALSE(before_main_form_is_set.EncryptValues());

  application.SetMainForm(main_form);
  const TzIni copied(options, "zIni2", files, locale);
  EXPECT_EQ(copied.FileName(), kIniPath);
  EXPECT_EQ(copied.FormSave(), TFormSaveFormat::fsfSize);
  EXPECT_EQ(copied.FileNameAutoSet(), TFormSavePlace::fspWinDir);
  EXPECT_TRUE(copied.EncryptValues());
  EXPECT_EQ(options.Bounds(), ui::Rect{});

  const TzIni on_main_form(main_form, "zIni3", files, locale);
  EXPECT_EQ(on_main_form.FileName(), "");

  first.reset();  // the second store is the main form's first one now
  EXPECT_EQ(TzIni(options, "zIni3", files, locale).FileName(),
            "C:\\Program Files\\Vardeko\\Second.ini");
}

}  // namespace
