#pragma once

struct Session;
class QWidget;
class TopicPage;

// Creates the page of a topic (1..16).
TopicPage *createTopicPage(Session &session, int topic, QWidget *parent);
