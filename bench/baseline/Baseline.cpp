// The least a program of the game's kind can be: a full-screen freeglut
// window, SDL_mixer opened as the game opens it, and one textured quad (the
// title's picture, decoded by SOIL), drawn when the window needs it, with a
// timer woken 64 times a second as the game's frame loop is. What it costs
// in memory, start-up and idle CPU on a machine is the floor the game's own
// figures are read against (tools/measure-side-by-side).
//   zelk_baseline PICTURE.png
#include <GL/freeglut.h>
#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>
#include <SOIL/SOIL.h>

#include <cstdio>

namespace {

GLuint texture = 0;
constexpr int kTickMs = 1000 / 64;

void Draw() {
    const int w = glutGet(GLUT_WINDOW_WIDTH), h = glutGet(GLUT_WINDOW_HEIGHT);
    glViewport(0, 0, w, h);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, w, h, 0, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glClearColor(1, 1, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture);
    glBegin(GL_QUADS);
    glTexCoord2f(0, 1); glVertex2f(0, 0);
    glTexCoord2f(1, 1); glVertex2f(static_cast<float>(w), 0);
    glTexCoord2f(1, 0); glVertex2f(static_cast<float>(w), static_cast<float>(h));
    glTexCoord2f(0, 0); glVertex2f(0, static_cast<float>(h));
    glEnd();
    glutSwapBuffers();
}

// The game wakes for each tick and draws only what changed: idle, nothing.
void Tick(int) { glutTimerFunc(kTickMs, Tick, 0); }

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: zelk_baseline PICTURE.png\n");
        return 2;
    }
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGBA | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(glutGet(GLUT_SCREEN_WIDTH), glutGet(GLUT_SCREEN_HEIGHT));
    glutCreateWindow("zelk baseline");
    glutFullScreen();
    if (SDL_Init(SDL_INIT_AUDIO) == 0) Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 2048);
    texture = SOIL_load_OGL_texture(argv[1], SOIL_LOAD_RGBA, SOIL_CREATE_NEW_ID, SOIL_FLAG_INVERT_Y);
    if (texture == 0) std::fprintf(stderr, "zelk_baseline: %s: %s\n", argv[1], SOIL_last_result());
    glutDisplayFunc(Draw);
    glutTimerFunc(kTickMs, Tick, 0);
    glutMainLoop();
    return 0;
}
