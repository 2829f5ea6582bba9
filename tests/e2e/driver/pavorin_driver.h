#pragma once
// Everything a scenario needs: #include "driver/pavorin_driver.h". See tests/e2e/README.md.
#include "driver/bytes.h"
#include "driver/control_ids.h"
#include "driver/message_box.h"
#include "driver/pavorin_process.h"
#include "driver/scenario.h"
#include "driver/screen.h"
#include "driver/test_folder.h"
#include "driver/text.h"
#include "driver/wait.h"
#include "driver/window.h"
