#pragma once
// The Convert command: checks the window's choices in order, prepares the job and runs the progress
// window over the batch.

namespace ravelin {

class MainWindow;

void StartConversion(MainWindow& window);

}  // namespace ravelin
