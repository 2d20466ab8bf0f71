#include "host/files/LinesBuffer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using files::Line;
using files::LinesBuffer;

// Edits alternate between the top and the bottom, so the gap fills up exactly and then has to
// move while empty, at every growth; lines between two edits once came back blank there.
TEST(LinesBuffer, EditsAtBothEndsKeepEveryLine) {
    LinesBuffer b;
    std::vector<std::string> esperado;
    for (int i = 0; i < 500; ++i) {
        std::string texto = "x = " + std::to_string(i);
        size_t at = i % 2 == 0 ? std::min<size_t>(1, b.Size()) : b.Size();
        std::vector<Line> una;
        una.push_back(b.Make(texto, 2, 0));
        b.Insert(at, std::move(una));
        esperado.insert(esperado.begin() + static_cast<long>(at), texto);
        if (i % 7 == 6) {
            b.Erase(b.Size() / 2, 1);
            esperado.erase(esperado.begin() + static_cast<long>(esperado.size() / 2));
        }
    }
    ASSERT_EQ(b.Size(), esperado.size());
    for (size_t i = 0; i < esperado.size(); ++i) {
        ASSERT_EQ(b.Text(i), esperado[i]) << "line " << i;
    }
}
