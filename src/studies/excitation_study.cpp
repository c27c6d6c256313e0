#include "studies/excitation_study.hpp"

void excitationStudy(Dialogue&, MachineData&) {}
