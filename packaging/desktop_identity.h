#pragma once

namespace ampora {

// Sets the program's icon on its windows now rather than after the first window shows.
void UseProgramIcon();

}  // namespace ampora
