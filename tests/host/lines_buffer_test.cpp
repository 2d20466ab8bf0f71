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

// Edited text is addressed by a block and a 16-bit offset in it: a text longer than a block has
// one of its own, and whatever follows it (empty texts too) must not be placed past the offset's
// reach. Overwriting in place and growing a line keep the others as they were.
TEST(LinesBuffer, LongAndEmptyTextsKeepTheirPlaces) {
    LinesBuffer b;
    std::vector<std::string> esperado;
    auto inserta = [&](std::string texto) {
        std::vector<Line> una;
        una.push_back(b.Make(texto, 2, 0));
        b.Insert(b.Size(), std::move(una));
        esperado.push_back(std::move(texto));
    };
    for (int i = 0; i < 40; ++i) {
        inserta(std::string(i % 7 == 0 ? 70000 + i : 3000, static_cast<char>('a' + i % 26)));
        inserta("");
        inserta(std::to_string(i) + "x");
    }
    b.SetText(3, "corto");
    esperado[3] = "corto";
    b.SetText(4, std::string(100000, 'z'));
    esperado[4] = std::string(100000, 'z');
    ASSERT_EQ(b.Size(), esperado.size());
    for (size_t i = 0; i < esperado.size(); ++i) {
        ASSERT_EQ(b.Text(i), esperado[i]) << "line " << i;
    }
}

// Hidden attribute lines travel with their line: erased with it, they are handed back whole, and
// the place they held serves the next line that gets some.
TEST(LinesBuffer, HiddenLinesAreHandedBackOnErase) {
    LinesBuffer b;
    std::vector<Line> tres;
    for (const char* t : {"Sub A()", "Sub B()", "Sub C()"}) {
        tres.push_back(b.Make(t, 2, 0));
    }
    b.Insert(0, std::move(tres));
    b.Hidden(b.At(0)).append("Attribute A.VB_UserMemId = 0\r\n");
    b.Hidden(b.At(1)).append("Attribute B.VB_Description = \"b\"\r\n");
    std::vector<std::string> sueltas;
    b.Erase(0, 1, &sueltas);
    EXPECT_EQ(sueltas, std::vector<std::string>{"Attribute A.VB_UserMemId = 0\r\n"});
    EXPECT_EQ(b.Text(0), "Sub B()");
    ASSERT_NE(b.HiddenOf(b.At(0)), nullptr);
    EXPECT_EQ(*b.HiddenOf(b.At(0)), "Attribute B.VB_Description = \"b\"\r\n");
    EXPECT_EQ(b.HiddenOf(b.At(1)), nullptr);
    b.Hidden(b.At(1)).append("Attribute C.VB_UserMemId = -4\r\n");
    EXPECT_EQ(*b.HiddenOf(b.At(1)), "Attribute C.VB_UserMemId = -4\r\n");
    EXPECT_EQ(*b.HiddenOf(b.At(0)), "Attribute B.VB_Description = \"b\"\r\n");
}
