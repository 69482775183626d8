#include "Art.h"
int main(int argc, char** argv) { return art::Run(argc, argv, {}); }
