// The main window: owns every component of the program and carries its handlers.
#pragma once

#include "ui/application.h"
#include "ui/button.h"
#include "ui/form.h"
#include "ui/popup_menu.h"

namespace app {

class TForm1 : public ui::Form {
 public:
  explicit TForm1(ui::Application& application);
  // The window goes before the components, so they see it destroyed while they still exist.
  ~TForm1() override { DestroyWindowHandle(); }

  // Components, in the order the form creates them.
  ui::Button BOk1;
  ui::Button BExit1;
  ui::PopupMenu PopupMenu1;
  ui::MenuItem About1;
  ui::MenuItem Setting1;
  ui::MenuItem Exit1;
  ui::MenuItem Exit2;

  // Handlers.
  void FormCreate(ui::Component& sender);
  void BOk1Click(ui::Component& sender);
  void BExit1Click(ui::Component& sender);
  void Setting1Click(ui::Component& sender);
  void About1Click(ui::Component& sender);

 private:
  void SetDesignProperties();
  void BindHandlers();
};

// Outer height of the window showing only the list and the command row.
inline constexpr int kCollapsedHeight = 265;

}  // namespace app
