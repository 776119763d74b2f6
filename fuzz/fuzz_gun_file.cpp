// A gun file: the same file format as a macro, assigned as a gun file.
#define MACRO_FUNCTION FunGunFile
#include "fuzz/fuzz_macro_file.cpp"
