// The registration that starts the program with Windows: one value under the Run key of the
// current user and, where the user may write there, of the local machine.
#pragma once

namespace velmora {

// Whether either Run key holds the value, whoever wrote it.
bool isRegisteredAtStartup();
// Writes the program's quoted path; the local machine's key fails quietly without the rights.
void registerAtStartup();
void unregisterAtStartup();

}  // namespace velmora
