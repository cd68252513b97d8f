// The expression language of variable lists.
#include <gtest/gtest.h>

#include "expression.h"
#include "messages.h"

TEST(Expression, Arithmetic) {
    struct Case {
        const char* text;
        double value;
    } cases[] = {{"1+2*3", 7}, {"(1+2)*3", 9}, {"-4/2", -2}, {" 10 - 2 - 3 ", 5}, {"2.5*2", 5}};
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(EvaluateArithmetic(c.text), c.value) << c.text;
    EXPECT_GT(EvaluateArithmetic("NOW"), 40000.0);
    for (const char* bad : {"1+", "abc", "(1", "1/0"}) {
        try {
            EvaluateArithmetic(bad);
            ADD_FAILURE() << bad;
        } catch (const NmSNMPException& e) {
            EXPECT_EQ(e.code(), -513) << bad;
        }
    }
}

TEST(Expression, Boolean) {
    struct Case {
        const char* text;
        bool value;
    } cases[] = {
        {"true", true},           {"!true | false", false},
        {"3 > 2 & 2 >= 2", true}, {"\"a|b\" = \"a|b\"", true},
        {"10 < 9", false},        {"abc <> abd", true},
        {"(1=1) & !(2=3)", true}, {"\"x\" = x", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(EvaluateBoolean(c.text), c.value) << c.text;
    try {
        EvaluateBoolean("maybe");
        FAIL();
    } catch (const NmSNMPException& e) {
        EXPECT_EQ(e.code(), -1);
        EXPECT_EQ(e.text(), " Bad logic operand!");
    }
}
