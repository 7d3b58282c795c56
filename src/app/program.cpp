// Program entry: title before the form, the form becomes the main form once created, then the loop.
#include "app/program.h"

#include "app/form1.h"
#include "ui/application.h"

namespace app {

int RunProgram(ui::Platform& platform, const Services& services) {
  ui::Application application(platform);
  application.SetTitle("Vardeko");
  TForm1 form(application, services);
  application.SetMainForm(form);
  application.Run();
  return 0;
}

}  // namespace app
