#include "app/project.h"

int main(int argc, char** argv) {
    return forms::run(argc, argv, kinemora::project());
}
