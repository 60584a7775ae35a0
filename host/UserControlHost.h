// A user control placed on a form: the form's entry for it, and the registry
// of user-control kinds a form description may name. The kinds themselves
// live above the form runtime, so they register here at start-up.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "host/Control.h"
#include "host/PropertyBag.h"
#include "host/UserControl.h"

namespace host {

// What a kind's factory makes: the control object (which owns its
// UserControl) and that UserControl.
struct UserControlInstance {
    std::shared_ptr<UserControlEvents> object;
    UserControl* userControl = nullptr;
};
// Creates the control in its site and loads it from the bag.
using UserControlFactory = std::function<UserControlInstance(const ControlSite&, const PropertyBag&)>;

void RegisterUserControlKind(const std::string& kind, UserControlFactory factory);
const UserControlFactory* FindUserControlKind(const std::string& kind);

// How form descriptions turn a named picture into one; by default "TYPE/id"
// names an embedded icon resource.
void SetFormPictureLoader(PictureLoader loader);
const PictureLoader& FormPictureLoader();

// A control of a registered kind at its site, created and loaded from its
// saved settings; nullptr when the kind is not registered.
std::unique_ptr<Control> MakeUserControl(const std::string& kind, const ControlSite& site,
                                         const PropertyBag& settings);

class UserControlHost : public Control {
public:
    UserControlHost(std::string kind, UserControlInstance instance);
    // Terminates the control before letting it go.
    ~UserControlHost() override;

    const std::string& KindName() const { return kind_; }
    host::UserControl& UserControl() const { return *instance_.userControl; }
    // The control object, as its own type (nullptr for another type).
    template <typename T>
    std::shared_ptr<T> Object() const {
        return std::dynamic_pointer_cast<T>(instance_.object);
    }

private:
    std::string kind_;
    UserControlInstance instance_;
};

}  // namespace host
