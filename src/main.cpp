#include "app/application.h"

int main(int argc, char** argv) {
    return ravelin::RunApplication(argc, argv);
}
