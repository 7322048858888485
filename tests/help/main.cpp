#include "app/Application.h"

#include <gtest/gtest.h>

// The kit's message boxes take their caption from the application object.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    zentolk::TApplication app(argc, argv);
    app.SetTitle("Ruviz Oruvodezar");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
