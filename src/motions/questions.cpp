// SPDX-License-Identifier: GPL-3.0-or-later
#include "motions/questions.h"

#include "scene/scene.h"

namespace zephyra {

using namespace Qt::StringLiterals;

const std::vector<Question>& questions() {
    static const std::vector<Question> all{
        {u"Introduction/Move vectors"_s,
         u"Movevectors1Click"_s,
         {u"Click and drag each of the white dots on the vectors."_s,
          u"This will allow you to move the vectors around."_s,
          u"The black square allows you to move 2 vectors at once."_s,
          u"You can scale the vectors by going to velocities tab and adjust scale"_s,
          u"This doesn't change the velocity just length of the vectors."_s,
          u"Use the scroll bars to adjust the speeds.  Try to figure out how to change the direction of the velocities."_s,
          u"How can you make small angle changes?"_s},
         u"0 0 143 286 200 33 352 112 352 488 166 127 143 277 179 378 246 281 143 249 230 403 211 298 143 305 128 353 281 264 161 327 1 0.00000 2.03444 4.24874 250"_s},
        {u"Introduction/Move plane"_s,
         u"Moveplane1Click"_s,
         {u"Here you will learn to move the plane to where you want to start."_s,
          u"Move the cursor on top of the plane until cursor is a cross."_s,
          u"Now click and drag the the plane to start of resultant vector."_s,
          u"Hit start and the plane should follow the resultant line."_s},
         u"0 0 200 200 327 26 352 112 352 488 201 97 331 229 297 350 275 279 306 156 355 301 308 158 355 301 238 399 242 400 314 289 1 5.95507 0.87289 0.26837 250"_s},
        {u"Introduction/Adding Vectors"_s,
         u"AddingVectors1Click"_s,
         {u"Too add velocity vectors you put the vectors 'tip to tail'."_s,
          u"Here we are adding the Wind(blue) and Plane(black) vectors together."_s,
          u"Move the tail of the resultant(red) to the tail of the wind and then"_s,
          u"Change the angle and magnitude of the resultant(red) to determine the what the resultant is."_s},
         u"0 0 471 514 686 50 352 112 75 528 356 115 172 332 273 179 278 239 191 240 355 118 355 126 152 424 191 240 201 352 222 255 1 0.21378 0.92730 0.60229 250"_s},
        {u"Introduction/Subtracting Vectors"_s,
         u"SubtractingVectors1Click"_s,
         {u"Too subtract Vectors in physics it is best to put the vectors tail to tail"_s,
          u"and the resulting vector is found by drawing a vector from the \"2nd\" vector to the \"1st\""_s,
          u"Drag the tail of the plane Vector(black) to the tip of the wind(blue) Vector."_s,
          u"Then change the magnitude and direction of the plane until it meets the tip of the resultant(red) Vector"_s},
         u"0 0 471 514 686 50 352 112 75 528 255 87 341 208 222 412 282 228 360 116 319 443 359 115 322 300 125 381 205 341 281 310 1 0.21378 1.88179 0.60229 250"_s},
        {u"Introduction/Start/finish line"_s,
         u"Startfinishline1Click"_s,
         {u"The start stop markings can help determine how far we have traveled or want to travel."_s,
          u"In this case the ground velocity has a speed of 30 m/s"_s,
          u"So after 2 s the plane should have traveled 60 m in that dierction."_s,
          u"below the start/stop check box shows magnitude and direction of the end point."_s,
          u"Move the plane to the start point and run it for 2 seconds."_s,
          u"Notice how the plane stops on top of the red X"_s},
         u"0 1 196 200 300 50 342 228 147 456 320 143 309 318 347 274 309 277 347 314 347 234 347 232 270 322 347 314 270 323 328 296 1 1.46370 0.00000 0.69843 250"_s},
        {u"Easy/Find Resultant"_s,
         u"FindResultant1Click"_s,
         {u"Find the resultant(ground velocity) by adding the Wind Velocity"_s,
          u"with the plane  veocity.  Drag the plane to start of resultant"_s,
          u"to see if the resultant is in the right direction."_s,
          u"Hit start and the plane should follow the resultant line if done properly."_s,
          u"Revers order of the two vectors you added.  Notice how resultant is the same."_s},
         u"0 0 143 286 200 33 352 112 352 488 166 127 143 277 179 378 246 281 143 249 230 403 211 298 143 305 128 353 281 264 161 327 1 0.00000 2.03444 4.24874 250"_s},
        {u"Easy/Find Wind Velocity"_s,
         u"FindWindVelocity1Click"_s,
         {u"You want to travel in the direction of the red vector."_s,
          u"The plane heads in the direction of the black arrow."_s,
          u"The wind velocity can be found by subtracting these two vectors."_s,
          u"Make appropriate adjustments to the wind velocity. "_s,
          u"Move the plane to the start of the resultant."_s,
          u"The plane will follow the resultant if you did it correctly."_s},
         u"0 0 200 200 450 50 352 112 352 488 232 216 197 429 343 315 285 255 197 389 322 282 353 198 197 469 364 348 216 313 270 372 1 0.00000 5.70243 0.87329 250"_s},
        {u"Easy/Find Plane Velocity"_s,
         u"FindPlaneVelocity1Click"_s,
         {u"You want to have a ground velocity as shown(red vector)."_s,
          u"The Wind has a velocity as indicated by the blue arrow."_s,
          u"The required plane's velocity can be found by subtracting these two vectors."_s,
          u"Make appropriate adjustments to the plane's velocity. "_s,
          u"Move the plane to the start of the ground velocity."_s,
          u"The plane will follow the resultant if you did it correctly."_s},
         u"0 0 200 200 500 50 352 112 352 488 337 355 133 421 296 480 201 338 106 449 296 440 137 262 160 393 296 520 265 415 214 450 1 3.92627 0.00000 5.58446 250"_s},
        {u"Medium/Where are you?"_s,
         u"Whereareyou1Click"_s,
         {u"Using the given Wind and plane velocities,"_s,
          u"Determine where you will be after 8 seconds."_s,
          u"Adjust the scale to 500 m so you can see the full motion to measure."_s,
          u"Move the start/Stop markers and verify you end up at the right spot."_s},
         u"0 1 300 250 200 39 352 112 352 488 232 216 180 344 263 397 424 464 179 420 217 441 424 413 181 268 309 353 424 515 221 370 1 3.16333 3.95024 0.00000 250"_s},
        {u"Hard/Where should I head?"_s,
         u"WhereshouldIhead1Click"_s,
         {u"You want to start from the Green X and end at the Red X, 2000 m [NW] away."_s,
          u"If the wind is as shown, but you can only fly the plane at 50 m/s,"_s,
          u"What direction must you fly the plane? How long will the trip take?"_s,
          u"Verify your results by moving the plane to start marker and flying the plane."_s},
         u"4 1 300 600 500 68 397 407 48 49 239 453 144 415 346 219 269 451 110 442 430 245 254 522 178 388 262 193 284 380 245 317 1 4.05135 0.18999 3.36026 250"_s},
        {u"Hard/How fast is the wind?"_s,
         u"Howfastisthewind1Click"_s,
         {u"You want to start from the Green X and end at the Red X."_s,
          u"You fly the plane in the direction shown to make the trip.  If the wind was heading [SW] as shown,"_s,
          u"How fast was the wind for you to end up going in the required direction?"_s,
          u"How long will the trip take?"_s,
          u"Verify your results by moving the plane to start marker and flying the plane."_s},
         u"1 1 557 800 200 72 41 181 440 523 232 216 181 333 330 257 424 464 127 387 275 161 424 437 235 279 385 353 424 491 255 295 9 3.92699 5.75904 0.00000 250"_s},
        {u"Worksheets/Works sheet #1/Full solution/#1"_s,
         u"N11Click"_s,
         {u"Full solution from 1st work sheet"_s},
         u"2 1 450 1200 1273 79 454 41 130 435 458 45 225 247 328 123 356 172 197 198 460 47 459 49 253 296 197 198 252 295 276 185 9 5.75927 1.04743 0.70120 250"_s},
        {u"Worksheets/Works sheet #1/Full solution/#2"_s,
         u"N21Click"_s,
         {u"Full solution from 1st work sheet"_s},
         u"0 1 30 60 54 7 389 223 144 223 395 224 246 270 320 270 321 228 246 312 394 227 398 228 246 227 246 312 244 228 283 270 3 3.14159 1.04756 1.57142 250"_s},
        {u"Worksheets/Works sheet #1/Full solution/#3"_s,
         u"N31Click"_s,
         {u"Full solution from 1st work sheet"_s},
         u"1 1 20 50 43 10 391 221 141 221 395 225 397 247 352 247 351 227 397 227 397 267 394 227 397 267 307 226 308 227 374 246 11 0.00000 2.00200 1.57080 250"_s},
        {u"Worksheets/Works sheet #1/Partial Solution/#1"_s,
         u"N12Click"_s,
         {u"Partial solution from 1st work sheet."_s,
          u"move red arrow to find graound velocity.  Then adjust red x to find where it will land."_s},
         // Full solution #1 with the red arrow at speed 20 pointing North from a tail of its
         // own, and the red X moved off the landing point, for the student to find both.
         u"2 1 450 1200 20 79 454 41 454 300 458 45 225 247 328 123 438 440 197 198 460 47 440 440 253 296 197 198 435 440 276 185 9 5.75927 1.04743 1.57080 250"_s},
        {u"Worksheets/Works sheet #1/Partial Solution/#2"_s,
         u"N22Click"_s,
         {u"Partial solution from 1st work sheet"_s,
          u"move red arrow to find graound velocity.  Then adjust Green x to start,"_s,
          u"red and  to find where it will land."_s},
         u"0 1 30 60 20 7 398 237 249 364 413 182 246 270 320 270 362 159 246 312 394 227 387 171 246 227 246 312 336 147 283 270 3 3.14159 1.04756 2.02295 250"_s},
        {u"Worksheets/Works sheet #1/Partial Solution/#3"_s,
         u"N32Click"_s,
         {u"Partial solution from 1st work sheet"_s,
          u"move red arrow to find graound velocity.  Then adjust red x to find where it will land."_s},
         u"1 1 20 50 20 10 391 221 228 108 395 225 397 247 352 247 353 350 397 227 397 267 370 341 397 267 307 226 336 360 374 247 11 0.00000 2.00200 1.04752 250"_s},
    };
    return all;
}

void showQuestion(Scene& scene, int index) {
    const auto& all = questions();
    if (index < 0 || static_cast<std::size_t>(index) >= all.size())
        return;
    const Question& question = all[static_cast<std::size_t>(index)];
    scene.expmemText = question.lines.join(u'\n');
    scene.motionText = question.record;
    scene.rereading = false;
    scene.expmemReadOnly = true;
    scene.qbVisible = true;
    scene.expgbVisible = true;
}

} // namespace zephyra
