#include "app/program_services.h"

namespace ppexport::app {

window::WindowServices ProgramServices::windowServices() {
  window::WindowServices services = program_.windowServices();
  services.messages = &messages_;
  services.files = &files_;
  services.busy = &busy_;
  services.documents = &documents_;
  return services;
}

}  // namespace ppexport::app
