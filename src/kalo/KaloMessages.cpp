#include "kalo/KaloMessages.h"

#include <iterator>

namespace {

// Index: minus the code. Template authors know these texts; keep them byte for byte.
constexpr const char* kMessages[] = {
    "",
    "An assignment (:=) must follow a SET.\n",
    "LHS and RHS of assign do not have the same type: %s\n",
    "Compare arguments must be of the same type.\n",
    "Code for %s statements must be enclosed in brackets [].\n",
    "Invalid comparison with bools.\n",
    "DO required after WHILE.\n",
    "END bracket (]) used without BEGIN ([).\n",
    "Arguments in LOGIC expressions must be bools.\n",
    "Arg and op types in MATH and LOGIG expressions must match.\n",
    "You must specify a file name.\n",
    "'%s' is not a valid filename.\n",
    ":= must precede <from value> in FOR command.\n",
    "%s: Bad instruction or function name.\n",
    "TO must precede <to value> in FOR command.\n",
    "Premature program end.\n",
    "THEN required after IF.\n",
    "Variable of unknown type, %s, used before assign.\n",
    "Args to FOR command (FROM, TO, STEP) must be floats.\n",
    "Variable %s can not be zapped. It doesn't exist.\n",
    "Syntax Error.\n",
    "Multiple Unary Minuses must be separated by () separators.\n",
    "Division by zero error.\n",
    "Length can only be taken from strings.\n",
    "Substring must have a start and length specified.\n",
    "Print mask for numbers must be a string followed by a value (e.g. \"%g\" %num).\n",
    "OF must precede the array to sort in SORT command.\n",
    "The SORT command can only be used on arrays.\n",
    "TO must precede the destination array SORT command.\n",
    "The SORT command can not be run inside another sort command.\n",
    "The KYBD command must be used with a FLOAT, BOOL or SRING.\n",
    "Only strings can be converted to upper or lower case.\n",
    "Unterminated string literal.\n",
    "Arguments to functions must be enclosed in '(' and ')'.\n",
    "PRINT command not allowed inside another PRINT. \nCheck above for missing ].\n",
    "Only variables of unknown type can be retyped.\n",
    "FOR loop variable must be of type FLOAT.\n",
    "Calls or expressions nested more than %s deep.\n",
};

}  // namespace

std::string KaloMessage(int code, std::string_view argument) {
    if (code >= 0 || -code >= static_cast<int>(std::size(kMessages))) return {};
    std::string text = kMessages[-code];
    // -25 shows a literal "%g" and "%num": only the messages that take an argument are filled.
    if (code == -25) return text;
    size_t at = text.find("%s");
    if (at != std::string::npos) text.replace(at, 2, argument);
    return text;
}
