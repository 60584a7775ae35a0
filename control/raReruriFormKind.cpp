// raReruri as a kind of control form descriptions can name.
#include <stdexcept>

#include "control/raReruri.h"
#include "host/UserControlHost.h"

namespace control {

void raReruri::RegisterFormKind() {
    host::RegisterUserControlKind("raReruri",
                                  [](const host::ControlSite& site, const host::PropertyBag& bag) {
                                      auto control = Create(site);
                                      control->Load(bag);
                                      return host::UserControlInstance{control, &control->UserControl()};
                                  });
}

raReruri& raReruri::OnForm(const host::Form& form, const std::string& name) {
    auto* hosted = dynamic_cast<host::UserControlHost*>(form.Find(name));
    raReruri* control = hosted ? hosted->Object<raReruri>().get() : nullptr;
    if (!control) throw std::out_of_range("no such control: " + name);
    return *control;
}

}  // namespace control
