// Everything the window layer offers.
#pragma once

#include "platform/user/Input.h"
#include "platform/user/Messages.h"
#include "platform/user/SystemParameters.h"
#include "platform/user/Timers.h"
#include "platform/user/UserExports.h"
#include "platform/user/Window.h"
#include "platform/user/WindowPresenter.h"
#include "platform/user/WindowProcThunk.h"
#include "platform/user/WindowTypes.h"
