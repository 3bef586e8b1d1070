#pragma once

#include "FakePlatform.h"
#include "Services.h"

#include <gtest/gtest.h>

// The standard module over fresh fakes and a fresh program folder.
class StandardModuleFixture : public ::testing::Test {
protected:
    FakePlatform fake;
    Services services{fake.platform};
    ProgramState& program = services.program;
};
