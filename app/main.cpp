#include "app/application.h"

int main(int argc, char** argv) { return ampora::RunAmpora(argc, argv); }
