// Every allocation of a program that links counting_new.cpp is counted.
#pragma once

namespace hakuro::testing {

long allocations();

}  // namespace hakuro::testing
