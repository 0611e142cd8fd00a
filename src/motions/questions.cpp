// SPDX-License-Identifier: GPL-3.0-or-later
#include "motions/questions.h"

#include "scene/scene.h"

#include <QCoreApplication>

namespace zephyra {

using namespace Qt::StringLiterals;

namespace {

// The table keeps the English text; showQuestion shows it in the window's language.
QString text(const char* english) {
    return QString::fromUtf8(english);
}

} // namespace

const std::vector<Question>& questions() {
    static const std::vector<Question> all{
        {text(QT_TRANSLATE_NOOP("Questions", "Introduction/Move vectors")),
         u"Movevectors1Click"_s,
         {text(QT_TRANSLATE_NOOP("Questions",
                                 "Click and drag each of the white dots on the vectors.")),
          text(QT_TRANSLATE_NOOP("Questions", "This will allow you to move the vectors around.")),
          text(QT_TRANSLATE_NOOP("Questions",
                                 "The black square allows you to move 2 vectors at once.")),
          text(QT_TRANSLATE_NOOP(
              "Questions",
              "You can scale the vectors by going to velocities tab and adjust scale")),
          text(QT_TRANSLATE_NOOP("Questions",
                                 "This doesn't change the velocity just length of the vectors.")),
          text(QT_TRANSLATE_NOOP("Questions",
                                 "Use the scroll bars to adjust the speeds.  Try to figure out how "
                                 "to change the direction of the velocities.")),
          text(QT_TRANSLATE_NOOP("Questions", "How can you make small angle changes?"))},
         u"0 0 143 286 200 33 352 112 352 488 166 127 143 277 179 378 246 281 143 249 230 403 211 298 143 305 128 353 281 264 161 327 1 0.00000 2.03444 4.24874 250"_s},
        {text(QT_TRANSLATE_NOOP("Questions", "Introduction/Move plane")),
         u"Moveplane1Click"_s,
         {text(QT_TRANSLATE_NOOP(
              "Questions", "Here you will learn to move the plane to where you want to start.")),
          text(QT_TRANSLATE_NOOP("Questions",
                                 "Move the cursor on top of the plane until cursor is a cross.")),
          text(QT_TRANSLATE_NOOP("Questions",
                                 "Now click and drag the the plane to start of resultant vector.")),
          text(QT_TRANSLATE_NOOP("Questions",
                                 "Hit start and the plane should follow the resultant line."))},
         u"0 0 200 200 327 26 352 112 352 488 201 97 331 229 297 350 275 279 306 156 355 301 308 158 355 301 238 399 242 400 314 289 1 5.95507 0.87289 0.26837 250"_s},
        {text(QT_TRANSLATE_NOOP("Questions", "Introduction/Adding Vectors")),
         u"AddingVectors1Click"_s,
         {text(QT_TRANSLATE_NOOP("Questions",
                                 "Too add velocity vectors you put the vectors 'tip to tail'.")),
          text(QT_TRANSLATE_NOOP(
              "Questions", "Here we are adding the Wind(blue) and Plane(black) vectors together.")),
          text(QT_TRANSLATE_NOOP(
              "Questions", "Move the tail of the resultant(red) to the tail of the wind and then")),
          text(QT_TRANSLATE_NOOP("Questions",
                                 "Change the angle and magnitude of the resultant(red) "
                                 "to determine the what the resultant is."))},
         u"0 0 471 514 686 50 352 112 75 528 356 115 172 332 273 179 278 239 191 240 355 118 355 126 152 424 191 240 201 352 222 255 1 0.21378 0.92730 0.60229 250"_s},
        {text(QT_TRANSLATE_NOOP("Questions", "Introduction/Subtracting Vectors")),
         u"SubtractingVectors1Click"_s,
         {text(QT_TRANSLATE_NOOP(
              "Questions",
              "Too subtract Vectors in physics it is best to put the vectors tail to tail")),
          text(QT_TRANSLATE_NOOP("Questions", "and the resulting vector is found by drawing a "
                                              "vector from the \"2nd\" vector to the \"1st\"")),
          text(QT_TRANSLATE_NOOP(
              "Questions",
              "Drag the tail of the plane Vector(black) to the tip of the wind(blue) Vector.")),
          text(QT_TRANSLATE_NOOP("Questions",
                                 "Then change the magnitude and direction of the plane until it "
                                 "meets the tip of the resultant(red) Vector"))},
         u"0 0 471 514 686 50 352 112 75 528 255 87 341 208 222 412 282 228 360 116 319 443 359 115 322 300 125 381 205 341 281 310 1 0.21378 1.88179 0.60229 250"_s},
        {text(QT_TRANSLATE_NOOP("Questions", "Introduction/Start/finish line")),
         u"Startfinishline1Click"_s,
         {text(QT_TRANSLATE_NOOP("Questions", "The start stop markings can help determine how far "
                                              "we have traveled or want to travel.")),
          text(QT_TRANSLATE_NOOP("Questions",
                                 "In this case the ground velocity has a speed of 30 m/s")),
          text(QT_TRANSLATE_NOOP(
              "Questions", "So after 2 s the plane should have traveled 60 m in that dierction.")),
          text(QT_TRANSLATE_NOOP(
              "Questions",
              "below the start/stop check box shows magnitude and direction of the end point.")),
          text(QT_TRANSLATE_NOOP("Questions",
                                 "Move the plane to the start point and run it for 2 seconds.")),
          text(QT_TRANSLATE_NOOP("Questions", "Notice how the plane stops on top of the red X"))},
         u"0 1 196 200 300 50 342 228 147 456 320 143 309 318 347 274 309 277 347 314 347 234 347 232 270 322 347 314 270 323 328 296 1 1.46370 0.00000 0.69843 250"_s},
        {text(QT_TRANSLATE_NOOP("Questions", "Easy/Find Resultant")),
         u"FindResultant1Click"_s,
         {text(QT_TRANSLATE_NOOP(
              "Questions", "Find the resultant(ground velocity) by adding the Wind Velocity")),
          text(QT_TRANSLATE_NOOP("Questions",
                                 "with the plane  veocity.  Drag the plane to start of resultant")),
          text(
              QT_TRANSLATE_NOOP("Questions", "to see if the resultant is in the right direction.")),
          text(QT_TRANSLATE_NOOP(
              "Questions",
              "Hit start and the plane should follow the resultant line if done properly.")),
          text(QT_TRANSLATE_NOOP(
              "Questions",
              "Revers order of the two vectors you added.  Notice how resultant is the same."))},
         u"0 0 143 286 200 33 352 112 352 488 166 127 143 277 179 378 246 281 143 249 230 403 211 298 143 305 128 353 281 264 161 327 1 0.00000 2.03444 4.24874 250"_s},
        {text(QT_TRANSLATE_NOOP("Questions", "Easy/Find Wind Velocity")),
         u"FindWindVelocity1Click"_s,
         {text(QT_TRANSLATE_NOOP("Questions",
                                 "You want to travel in the direction of the red vector.")),
          text(QT_TRANSLATE_NOOP("Questions",
                                 "The plane heads in the direction of the black arrow.")),
          text(QT_TRANSLATE_NOOP(
              "Questions", "The wind velocity can be found by subtracting these two vectors.")),
          text(QT_TRANSLATE_NOOP("Questions",
                                 "Make appropriate adjustments to the wind velocity. ")),
          text(QT_TRANSLATE_NOOP("Questions", "Move the plane to the start of the resultant.")),
          text(QT_TRANSLATE_NOOP("Questions",
                                 "The plane will follow the resultant if you did it correctly."))},
         u"0 0 200 200 450 50 352 112 352 488 232 216 197 429 343 315 285 255 197 389 322 282 353 198 197 469 364 348 216 313 270 372 1 0.00000 5.70243 0.87329 250"_s},
        {text(QT_TRANSLATE_NOOP("Questions", "Easy/Find Plane Velocity")),
         u"FindPlaneVelocity1Click"_s,
         {text(QT_TRANSLATE_NOOP("Questions",
                                 "You want to have a ground velocity as shown(red vector).")),
          text(QT_TRANSLATE_NOOP("Questions",
                                 "The Wind has a velocity as indicated by the blue arrow.")),
          text(QT_TRANSLATE_NOOP(
              "Questions",
              "The required plane's velocity can be found by subtracting these two vectors.")),
          text(QT_TRANSLATE_NOOP("Questions",
                                 "Make appropriate adjustments to the plane's velocity. ")),
          text(QT_TRANSLATE_NOOP("Questions",
                                 "Move the plane to the start of the ground velocity.")),
          text(QT_TRANSLATE_NOOP("Questions",
                                 "The plane will follow the resultant if you did it correctly."))},
         u"0 0 200 200 500 50 352 112 352 488 337 355 133 421 296 480 201 338 106 449 296 440 137 262 160 393 296 520 265 415 214 450 1 3.92627 0.00000 5.58446 250"_s},
        {text(QT_TRANSLATE_NOOP("Questions", "Medium/Where are you?")),
         u"Whereareyou1Click"_s,
         {text(QT_TRANSLATE_NOOP("Questions", "Using the given Wind and plane velocities,")),
          text(QT_TRANSLATE_NOOP("Questions", "Determine where you will be after 8 seconds.")),
          text(QT_TRANSLATE_NOOP(
              "Questions", "Adjust the scale to 500 m so you can see the full motion to measure.")),
          text(QT_TRANSLATE_NOOP(
              "Questions",
              "Move the start/Stop markers and verify you end up at the right spot."))},
         u"0 1 300 250 200 39 352 112 352 488 232 216 180 344 263 397 424 464 179 420 217 441 424 413 181 268 309 353 424 515 221 370 1 3.16333 3.95024 0.00000 250"_s},
        {text(QT_TRANSLATE_NOOP("Questions", "Hard/Where should I head?")),
         u"WhereshouldIhead1Click"_s,
         {text(QT_TRANSLATE_NOOP(
              "Questions",
              "You want to start from the Green X and end at the Red X, 2000 m [NW] away.")),
          text(QT_TRANSLATE_NOOP(
              "Questions", "If the wind is as shown, but you can only fly the plane at 50 m/s,")),
          text(QT_TRANSLATE_NOOP(
              "Questions", "What direction must you fly the plane? How long will the trip take?")),
          text(QT_TRANSLATE_NOOP(
              "Questions",
              "Verify your results by moving the plane to start marker and flying the plane."))},
         u"4 1 300 600 500 68 397 407 48 49 239 453 144 415 346 219 269 451 110 442 430 245 254 522 178 388 262 193 284 380 245 317 1 4.05135 0.18999 3.36026 250"_s},
        {text(QT_TRANSLATE_NOOP("Questions", "Hard/How fast is the wind?")),
         u"Howfastisthewind1Click"_s,
         {text(QT_TRANSLATE_NOOP("Questions",
                                 "You want to start from the Green X and end at the Red X.")),
          text(QT_TRANSLATE_NOOP("Questions", "You fly the plane in the direction shown to make "
                                              "the trip.  If the wind was heading [SW] as shown,")),
          text(QT_TRANSLATE_NOOP(
              "Questions",
              "How fast was the wind for you to end up going in the required direction?")),
          text(QT_TRANSLATE_NOOP("Questions", "How long will the trip take?")),
          text(QT_TRANSLATE_NOOP(
              "Questions",
              "Verify your results by moving the plane to start marker and flying the plane."))},
         u"1 1 557 800 200 72 41 181 440 523 232 216 181 333 330 257 424 464 127 387 275 161 424 437 235 279 385 353 424 491 255 295 9 3.92699 5.75904 0.00000 250"_s},
        {text(QT_TRANSLATE_NOOP("Questions", "Worksheets/Works sheet #1/Full solution/#1")),
         u"N11Click"_s,
         {text(QT_TRANSLATE_NOOP("Questions", "Full solution from 1st work sheet"))},
         u"2 1 450 1200 1273 79 454 41 130 435 458 45 225 247 328 123 356 172 197 198 460 47 459 49 253 296 197 198 252 295 276 185 9 5.75927 1.04743 0.70120 250"_s},
        {text(QT_TRANSLATE_NOOP("Questions", "Worksheets/Works sheet #1/Full solution/#2")),
         u"N21Click"_s,
         {text(QT_TRANSLATE_NOOP("Questions", "Full solution from 1st work sheet"))},
         u"0 1 30 60 54 7 389 223 144 223 395 224 246 270 320 270 321 228 246 312 394 227 398 228 246 227 246 312 244 228 283 270 3 3.14159 1.04756 1.57142 250"_s},
        {text(QT_TRANSLATE_NOOP("Questions", "Worksheets/Works sheet #1/Full solution/#3")),
         u"N31Click"_s,
         {text(QT_TRANSLATE_NOOP("Questions", "Full solution from 1st work sheet"))},
         u"1 1 20 50 43 10 391 221 141 221 395 225 397 247 352 247 351 227 397 227 397 267 394 227 397 267 307 226 308 227 374 246 11 0.00000 2.00200 1.57080 250"_s},
        {text(QT_TRANSLATE_NOOP("Questions", "Worksheets/Works sheet #1/Partial Solution/#1")),
         u"N12Click"_s,
         {text(QT_TRANSLATE_NOOP("Questions", "Partial solution from 1st work sheet.")),
          text(QT_TRANSLATE_NOOP("Questions", "move red arrow to find graound velocity.  Then "
                                              "adjust red x to find where it will land."))},
         // Full solution #1 with the red arrow at speed 20 pointing North from a tail of its
         // own, and the red X moved off the landing point, for the student to find both.
         u"2 1 450 1200 20 79 454 41 454 300 458 45 225 247 328 123 438 440 197 198 460 47 440 440 253 296 197 198 435 440 276 185 9 5.75927 1.04743 1.57080 250"_s},
        {text(QT_TRANSLATE_NOOP("Questions", "Worksheets/Works sheet #1/Partial Solution/#2")),
         u"N22Click"_s,
         {text(QT_TRANSLATE_NOOP("Questions", "Partial solution from 1st work sheet")),
          text(QT_TRANSLATE_NOOP(
              "Questions",
              "move red arrow to find graound velocity.  Then adjust Green x to start,")),
          text(QT_TRANSLATE_NOOP("Questions", "red and  to find where it will land."))},
         u"0 1 30 60 20 7 398 237 249 364 413 182 246 270 320 270 362 159 246 312 394 227 387 171 246 227 246 312 336 147 283 270 3 3.14159 1.04756 2.02295 250"_s},
        {text(QT_TRANSLATE_NOOP("Questions", "Worksheets/Works sheet #1/Partial Solution/#3")),
         u"N32Click"_s,
         {text(QT_TRANSLATE_NOOP("Questions", "Partial solution from 1st work sheet")),
          text(QT_TRANSLATE_NOOP("Questions", "move red arrow to find graound velocity.  Then "
                                              "adjust red x to find where it will land."))},
         u"1 1 20 50 20 10 391 221 228 108 395 225 397 247 352 247 353 350 397 227 397 267 370 341 397 267 307 226 336 360 374 247 11 0.00000 2.00200 1.04752 250"_s},
    };
    return all;
}

void showQuestion(Scene& scene, int index) {
    const auto& all = questions();
    if (index < 0 || static_cast<std::size_t>(index) >= all.size())
        return;
    const Question& question = all[static_cast<std::size_t>(index)];
    QStringList lines;
    for (const QString& line : question.lines)
        lines << QCoreApplication::translate("Questions", line.toUtf8().constData());
    scene.expmemText = lines.join(u'\n');
    scene.motionText = question.record;
    scene.rereading = false;
    scene.expmemReadOnly = true;
    scene.qbVisible = true;
    scene.expgbVisible = true;
}

} // namespace zephyra
